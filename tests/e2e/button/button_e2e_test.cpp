// The push button in a small host window under Wine, driven with the real pointer: the faces
// it shows on the screen at rest, under the pointer, pressed and focused, and the one click a
// press and release over it gives.
#include <algorithm>
#include <cstdio>
#include <optional>
#include <thread>

#include "build_paths.h"
#include "e2e_test.h"
#include "screen_image.h"
#include "x_screen.h"

namespace orvane::e2e {
namespace {

constexpr int kButtonWidth = 117;  // as the host makes it
constexpr int kButtonHeight = 28;

int Brightness(const Rgb& c) { return c.red + c.green + c.blue; }
bool IsBorder(const Rgb& c) { return c.blue > 90 && c.red < 40 && c.green < 90; }  // dark blue

// The face a button at (left, top) shows, told as a user tells it down a column clear of the
// caption, inside the dark blue border: "pressed" is sunken, its rim lighter below than above;
// the others are raised, lit from above, their gradient white at the top for "normal" and
// "focused" (a blue rim) and at the bottom for "hot" (an orange rim).
std::string FaceShown(const ScreenImage& screen, int left, int top) {
  std::vector<Rgb> column;
  for (int y = 0; y < kButtonHeight; ++y) column.push_back(screen.At(left + 20, top + y));
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

// The box round the dark pixels inside a button's frame: its caption's ink; empty (right
// below left) when there are none.
struct Box {
  int left = kButtonWidth, top = kButtonHeight, right = -1, bottom = -1;
};
Box Ink(const ScreenImage& screen, int left, int top) {
  Box box;
  for (int y = 4; y < kButtonHeight - 4; ++y) {
    for (int x = 4; x < kButtonWidth - 4; ++x) {
      if (Brightness(screen.At(left + x, top + y)) > 200) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
             std::max(box.bottom, y)};
    }
  }
  return box;
}

class ButtonTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    MovePointer(600, 500);
    host_.emplace(WineSession::Current().Start(TestTools(PrimaryBuild()) / "button_host.exe", {},
                                               OutputFolder() / "host.log"));
    ASSERT_TRUE(host_->WaitForOutput("ready", 30s)) << host_->Output();
    const std::string output = host_->Output();
    ASSERT_EQ(std::sscanf(output.c_str() + output.find("ready"), "ready %d,%d", &left_, &top_), 2);
  }

  // The host prints a line "click" for each click after its line "ready".
  int Clicks() const {
    const std::string output = host_->Output();
    return int(std::count(output.begin(), output.end(), '\n')) - 1;
  }
  void MovePointer(int x, int y) { Xdotool({"mousemove", std::to_string(x), std::to_string(y)}); }

  // Captures the screen until the button shows `face`, for at most five seconds.
  ScreenImage CaptureFace(const std::string& face) {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    for (;;) {
      ScreenImage screen = screen_.Capture();
      const std::string shown = FaceShown(screen, left_, top_);
      if (shown == face) return screen;
      if (std::chrono::steady_clock::now() > deadline) {
        ADD_FAILURE() << "the button shows " << shown << ", not " << face;
        return screen;
      }
      std::this_thread::sleep_for(100ms);
    }
  }

  XScreen screen_{WineSession::Current().Variable("DISPLAY")};
  std::optional<ChildProcess> host_;
  int left_ = 0;
  int top_ = 0;
};

TEST_F(ButtonTest, EachStateShowsItsFaceAndAPressAndReleaseOverTheButtonClicksOnce) {
  const ScreenImage rest = CaptureFace("normal");
  // The caption is centred across and sits just above the middle.
  const Box caption = Ink(rest, left_, top_);
  ASSERT_GE(caption.right, 0) << "no caption";
  EXPECT_NEAR(caption.left, kButtonWidth - 1 - caption.right, 2);
  EXPECT_LT(caption.top + caption.bottom, kButtonHeight - 1) << caption.top << ".." << caption.bottom;

  MovePointer(left_ + 58, top_ + 14);
  CaptureFace("hot");
  Xdotool({"mousedown", "1"});
  CaptureFace("pressed");
  EXPECT_EQ(Clicks(), 0);
  Xdotool({"mouseup", "1"});
  ASSERT_TRUE(host_->WaitForOutput("click", 5s));
  CaptureFace("hot");
  // The click took the focus, which shows once the pointer has left.
  MovePointer(left_ + 160, top_ + 80);
  CaptureFace("focused");
  EXPECT_EQ(Clicks(), 1);
}

}  // namespace
}  // namespace orvane::e2e
