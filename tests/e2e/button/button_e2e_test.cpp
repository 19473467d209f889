// The settings dialog's "設定" button under Wine, driven with the real pointer: the faces it
// shows on the screen at rest, under the pointer, pressed and focused, a press dragged off it
// that clicks nothing, and the press and release over it that saves.
#include "dialog_fixture.h"
#include "screen_image.h"
#include "x_screen.h"

namespace orvane::e2e {
namespace {

int Brightness(const Rgb& c) { return c.red + c.green + c.blue; }
bool IsBorder(const Rgb& c) { return c.blue > 90 && c.red < 40 && c.green < 90; }  // dark blue

class ButtonTest : public DialogTest {
 protected:
  // The face the button shows, told as a user tells it down a column clear of the caption,
  // inside the dark blue border: "pressed" is sunken, its rim lighter below than above; the
  // others are raised, lit from above, their gradient white at the top for "normal" and
  // "focused" (a blue rim) and at the bottom for "hot" (an orange rim).
  std::string FaceShown(const ScreenImage& screen) {
    const ChildWindowInfo& b = Control(kSaveButton);
    std::vector<Rgb> column;
    for (int y = b.top; y < b.bottom; ++y) {
      column.push_back(screen.At(dialog_.clientLeft + b.left + 20, dialog_.clientTop + y));
    }
    const int upper = int(std::find_if(column.begin(), column.end(), IsBorder) - column.begin());
    const int lower = int(column.rend() - std::find_if(column.rbegin(), column.rend(), IsBorder)) - 1;
    if (lower - upper < 8) return "unframed";
    const bool raised = Brightness(column[upper + 1]) > Brightness(column[lower - 1]);
    const bool whiteAtTop = Brightness(column[upper + 3]) > Brightness(column[lower - 3]);
    const int warmth = column[lower - 1].red - column[lower - 1].blue;
    const std::string raisedFace = warmth > 100 ? "hot" : warmth < -100 ? "focused" : "normal";
    if (!raised) return whiteAtTop ? "unknown" : "pressed";
    return whiteAtTop == (raisedFace != "hot") ? raisedFace : "unknown";
  }

  // Captures the screen until the button shows `face`, for at most five seconds.
  ScreenImage CaptureFace(const std::string& face) {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    for (;;) {
      ScreenImage screen = screen_.Capture();
      const std::string shown = FaceShown(screen);
      if (shown == face) return screen;
      if (std::chrono::steady_clock::now() > deadline) {
        ADD_FAILURE() << "the button shows " << shown << ", not " << face;
        return screen;
      }
      std::this_thread::sleep_for(100ms);
    }
  }

  XScreen screen_{WineSession::Current().Variable("DISPLAY")};
};

TEST_F(ButtonTest, EachStateShowsItsFaceAndOnlyAPressAndReleaseOverTheButtonClicks) {
  ChildProcess saver = OpenDialog();
  const ChildWindowInfo button = Control(kSaveButton);
  const ScreenImage rest = CaptureFace("normal");

  // The caption's ink, the dark pixels inside the frame, is centred across and sits just
  // above the middle.
  int left = button.right, top = button.bottom, right = -1, bottom = -1;
  for (int y = button.top + 4; y < button.bottom - 4; ++y) {
    for (int x = button.left + 4; x < button.right - 4; ++x) {
      if (Brightness(rest.At(dialog_.clientLeft + x, dialog_.clientTop + y)) > 200) continue;
      left = std::min(left, x), top = std::min(top, y);
      right = std::max(right, x), bottom = std::max(bottom, y);
    }
  }
  ASSERT_GE(right, 0) << "no caption";
  EXPECT_NEAR(left - button.left, button.right - 1 - right, 2);
  EXPECT_LT(top + bottom, button.top + button.bottom - 1) << top << ".." << bottom;

  // Pressed, then dragged off until the hover poll has seen the pointer leave: released
  // there, it keeps the focus and clicks nothing.
  PointAt(kSaveButton);
  CaptureFace("hot");
  Xdotool({"mousedown", "1"});
  CaptureFace("pressed");
  PointAt(kSaveButton, -60);
  CaptureFace("focused");
  Xdotool({"mouseup", "1"});
  std::this_thread::sleep_for(500ms);
  EXPECT_FALSE(saver.HasEnded());
  EXPECT_FALSE(std::filesystem::exists(IniFile()));

  PointAt(kSaveButton);
  Xdotool({"click", "1"});
  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_EQ(IniBytes(), IniText("0", "0", ""));
}

}  // namespace
}  // namespace orvane::e2e
