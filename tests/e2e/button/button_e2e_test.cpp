// The settings dialog's "設定" button under Wine, driven with the real pointer: the faces it
// shows on the screen at rest, under the pointer, pressed and focused, a press dragged off it
// that clicks nothing, and the press and release over it that saves.
#include "dialog_fixture.h"
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
    for (int y = dialog_.clientTop + b.top; y < dialog_.clientTop + b.bottom; ++y) {
      column.push_back(screen.At(dialog_.clientLeft + b.left + 20, y));
    }
    const int upper = int(std::find_if(column.begin(), column.end(), IsBorder) - column.begin());
    const int lower = int(column.rend() - std::find_if(column.rbegin(), column.rend(), IsBorder)) - 1;
    if (lower - upper < 8) return "unframed";
    const int warmth = column[lower - 1].red - column[lower - 1].blue;
    const std::string face = Brightness(column[upper + 1]) < Brightness(column[lower - 1]) ? "pressed"
                             : warmth > 100 ? "hot" : warmth < -100 ? "focused" : "normal";
    const bool whiteAtTop = Brightness(column[upper + 3]) > Brightness(column[lower - 3]);
    return whiteAtTop == (face == "normal" || face == "focused") ? face : "unknown";
  }
  void ExpectFace(const std::string& face) {
    std::string shown;
    EXPECT_TRUE(Eventually([&] { return (shown = FaceShown(screen_.Capture())) == face; }))
        << "the button shows " << shown << ", not " << face;
  }

  XScreen screen_{WineSession::Current().Variable("DISPLAY")};
};

TEST_F(ButtonTest, EachStateShowsItsFaceAndOnlyAPressAndReleaseOverTheButtonClicks) {
  ChildProcess saver = OpenDialog();
  ExpectFace("normal");
  PointAt(kSaveButton);
  ExpectFace("hot");
  Xdotool({"mousedown", "1"});
  ExpectFace("pressed");

  // Dragged off until the hover poll has seen the pointer leave, the held button shows the
  // focus it took; released there, it clicks nothing.
  PointAt(kSaveButton, -60);
  ExpectFace("focused");
  Xdotool({"mouseup", "1"});
  std::this_thread::sleep_for(500ms);
  EXPECT_FALSE(saver.HasEnded());
  EXPECT_FALSE(std::filesystem::exists(IniFile()));

  Click(kSaveButton);
  EXPECT_EQ(saver.WaitForExit(10s), 0);
  EXPECT_EQ(ReadBytes(IniFile()), IniText("0", "0", ""));
}

}  // namespace
}  // namespace orvane::e2e
