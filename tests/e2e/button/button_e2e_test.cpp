// The push button in a small host window under Wine, driven with the real pointer and
// keyboard: the face of each state on screen, pixel by pixel, and when Click arrives.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <thread>

#include "build_paths.h"
#include "e2e_test.h"
#include "screen_image.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

constexpr int kButtonWidth = 117;   // 1755 x 420 twips at 96 dpi
constexpr int kButtonHeight = 28;
// A spot on the host window beside the button, where keys reach the host and the pointer
// is off the button.
constexpr int kHostSpotX = 200;
constexpr int kHostSpotY = 120;

Rgb Hex(unsigned rgb) { return {int(rgb >> 16), int((rgb >> 8) & 0xFF), int(rgb & 0xFF)}; }

std::string Describe(const Rgb& c) {
  char text[16];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", c.red, c.green, c.blue);
  return text;
}

bool Near(const Rgb& a, const Rgb& b, int tolerance) {
  return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
         std::abs(a.blue - b.blue) <= tolerance;
}

// A face as its frame shows it: the colours of some of its rows, from the top (0) to the
// bottom (27) of the button.
struct Face {
  const char* name;
  std::vector<std::pair<int, unsigned>> rows;
};

const Face kNormal{"Normal", {{0, 0xDCD6C2}, {1, 0x003C74}, {2, 0xF3F3EE}, {24, 0xE2DFD6},
                              {25, 0xD6D0C5}, {26, 0x003C74}, {27, 0xFAFAF6}}};
const Face kHighLight{"HighLight", {{1, 0x003C74}, {2, 0xFFF0CF}, {3, 0xFDD889}, {24, 0xF8B330},
                                    {25, 0xE59700}, {26, 0x003C74}}};
const Face kSelected{"Selected", {{1, 0x003C74}, {2, 0xCEE7FF}, {3, 0xCEE7FF}, {24, 0x6982EE},
                                  {25, 0x6982EE}, {26, 0x003C74}}};
const Face kPressed{"Pressed", {{0, 0xECE9D8}, {1, 0xDCD6C2}, {2, 0x003C74}, {3, 0xD1CCC1},
                                {24, 0xF2F2EE}, {25, 0x003C74}, {26, 0xFAFAF6}, {27, 0xECE9D8}}};
const Face kDisable{"Disable", {{0, 0xECE9D8}, {1, 0xC9C7BA}, {2, 0xF5F4EA}, {25, 0xF5F4EA},
                                {26, 0xC9C7BA}, {27, 0xECE9D8}}};

// The gradient between the frame's strips, on its first and last rows.
const Rgb kWhiteEnd = Hex(0xF6F6F9);
const Rgb kLavenderEnd = Hex(0xCECDDC);
constexpr int kGradientTop = 4;
constexpr int kGradientBottom = 23;

class ButtonTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    MovePointer(kHostSpotX + 400, kHostSpotY + 400);
  }

  void StartHost(const std::vector<std::string>& arguments = {},
                 Build build = PrimaryBuild()) {
    host_.emplace(WineSession::Current().Start(TestTools(build) / "button_host.exe", arguments,
                                               OutputFolder() / "host.log"));
    ASSERT_TRUE(host_->WaitForOutput("ready", 30s)) << host_->Output();
    int right = 0, bottom = 0;
    const std::string output = host_->Output();
    std::sscanf(output.c_str() + output.find("ready"), "ready %d,%d,%d,%d", &left_, &top_,
                &right, &bottom);
    ASSERT_EQ(right - left_, kButtonWidth);
    ASSERT_EQ(bottom - top_, kButtonHeight);
  }

  int Clicks() const {
    const std::string output = host_->Output();
    int clicks = 0;
    for (std::size_t at = output.find("click"); at != std::string::npos;
         at = output.find("click", at + 1)) {
      ++clicks;
    }
    return clicks;
  }

  void MovePointer(int x, int y) { Xdotool({"mousemove", std::to_string(x), std::to_string(y)}); }
  // A point of the button, from its top-left pixel.
  void MoveOverButton(int x = 58, int y = 14) { MovePointer(left_ + x, top_ + y); }
  void MoveOntoHost() { MovePointer(kHostSpotX, kHostSpotY); }

  ScreenImage Capture(const std::string& name) {
    Screenshot(name);
    return ScreenImage::Load(OutputFolder() / (name + ".png"));
  }
  Rgb ButtonPixel(const ScreenImage& image, int x, int y) const {
    return image.At(left_ + x, top_ + y);
  }

  // Where the face differs from `face`, one line per pixel; empty when it shows `face`.
  std::string Mismatches(const ScreenImage& image, const Face& face) const {
    std::string found;
    for (const int x : {20, 58, 96}) {
      for (const auto& [y, colour] : face.rows) {
        const Rgb pixel = ButtonPixel(image, x, y);
        if (!Near(pixel, Hex(colour), 0)) {
          found += "  " + std::to_string(x) + "," + std::to_string(y) + " is " +
                   Describe(pixel) + ", not " + Describe(Hex(colour)) + "\n";
        }
      }
    }
    return found;
  }

  // Screenshots until the button shows `face`, for at most five seconds.
  ScreenImage CaptureFace(const std::string& name, const Face& face) {
    const auto deadline = std::chrono::steady_clock::now() + 5s;
    for (int attempt = 1;; ++attempt) {
      ScreenImage image = Capture(name);
      const std::string mismatches = Mismatches(image, face);
      if (mismatches.empty()) return image;
      if (std::chrono::steady_clock::now() > deadline) {
        ADD_FAILURE() << name << ": the button does not show " << face.name << ":\n" << mismatches;
        return image;
      }
      std::this_thread::sleep_for(100ms);
    }
  }

  void ExpectGradient(const ScreenImage& image, bool reversed, const std::string& when) {
    const Rgb top = ButtonPixel(image, 58, kGradientTop);
    const Rgb bottom = ButtonPixel(image, 58, kGradientBottom);
    EXPECT_TRUE(Near(top, reversed ? kLavenderEnd : kWhiteEnd, 2)) << when << ": top " << Describe(top);
    EXPECT_TRUE(Near(bottom, reversed ? kWhiteEnd : kLavenderEnd, 2))
        << when << ": bottom " << Describe(bottom);
  }

  // Nothing more happens for a few poll ticks.
  static void Settle() { std::this_thread::sleep_for(400ms); }

  std::optional<ChildProcess> host_;
  int left_ = 0;
  int top_ = 0;
};

// The box round the caption's dark pixels, in pixels of the button.
struct InkBox {
  int left = 1000, top = 1000, right = -1, bottom = -1;
};

TEST_F(ButtonTest, AtRestTheNormalFaceShowsWithTheCaptionCentredJustAboveTheMiddle) {
  StartHost();

  const ScreenImage image = CaptureFace("normal", kNormal);

  ExpectGradient(image, false, "normal");
  EXPECT_EQ(Describe(ButtonPixel(image, 1, 14)), "#003C74");  // the left border
  EXPECT_EQ(Describe(ButtonPixel(image, 0, 0)), "#ECE9D8");   // outside the rounded corner
  InkBox ink;
  for (int y = 4; y < kButtonHeight - 4; ++y) {
    for (int x = 4; x < kButtonWidth - 4; ++x) {
      const Rgb pixel = ButtonPixel(image, x, y);
      if (pixel.red + pixel.green + pixel.blue > 200) continue;
      ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x),
             std::max(ink.bottom, y)};
    }
  }
  ASSERT_GE(ink.right, 0) << "no caption";
  // Centred across: as much room on the left as on the right, give or take a pixel.
  EXPECT_NEAR(ink.left, kButtonWidth - 1 - ink.right, 2) << ink.left << ".." << ink.right;
  // Its box is rows 7 to 19; the true middle of the button is between rows 13 and 14.
  EXPECT_GE(ink.top, 7);
  EXPECT_LE(ink.bottom, 19);
  EXPECT_LT(ink.top + ink.bottom, 27) << ink.top << ".." << ink.bottom;
}

TEST_F(ButtonTest, HoverPressAndReleaseGoHotPressedHighlightedAndSelectedWithOneClick) {
  StartHost();
  CaptureFace("normal", kNormal);

  MoveOverButton();  // onto the caption's text, which belongs to the button
  ExpectGradient(CaptureFace("hot", kHighLight), true, "hot");

  Xdotool({"mousedown", "1"});
  ExpectGradient(CaptureFace("pressed", kPressed), true, "pressed while hot");
  EXPECT_EQ(Clicks(), 0);

  Xdotool({"mouseup", "1"});
  CaptureFace("released", kHighLight);
  ASSERT_TRUE(host_->WaitForOutput("click", 5s));

  MoveOntoHost();
  ExpectGradient(CaptureFace("left", kSelected), false, "selected");
  Settle();
  EXPECT_EQ(Clicks(), 1);
}

TEST_F(ButtonTest, DraggingOffAHeldButtonPastAPollAndBackCancelsTheClick) {
  StartHost();
  MoveOverButton();
  CaptureFace("hot", kHighLight);
  Xdotool({"mousedown", "1"});
  CaptureFace("pressed", kPressed);

  MoveOntoHost();
  CaptureFace("dragged-off", kSelected);
  MoveOverButton();
  Settle();
  CaptureFace("dragged-back", kSelected);
  Xdotool({"mouseup", "1"});
  Settle();

  EXPECT_EQ(Clicks(), 0);
  MoveOverButton(30, 14);
  CaptureFace("moved-after-release", kHighLight);
}

TEST_F(ButtonTest, RightAndMiddleClickOnlyWhenReleasedOverTheButtonAndTakeNoFocus) {
  StartHost();
  MoveOverButton();
  CaptureFace("hot", kHighLight);

  Xdotool({"click", "3"});
  ASSERT_TRUE(host_->WaitForOutput("click", 5s));
  Xdotool({"click", "2"});
  Settle();

  EXPECT_EQ(Clicks(), 2);
  CaptureFace("still-hot", kHighLight);

  // Dragged off the button, they click nothing.
  for (const std::string button : {"3", "2"}) {
    MoveOverButton();
    Xdotool({"mousedown", button});
    MoveOntoHost();
    Xdotool({"mouseup", button});
  }
  Settle();
  EXPECT_EQ(Clicks(), 2);
}

// Two presses within the double-click time are two presses, as on any push button.
TEST_F(ButtonTest, TwoQuickClicksAtOneSpotAreTwoClicks) {
  StartHost();
  MoveOverButton();
  CaptureFace("hot", kHighLight);

  Xdotool({"click", "--repeat", "2", "--delay", "80", "1"});
  Settle();

  EXPECT_EQ(Clicks(), 2);
}

TEST_F(ButtonTest, TabMovesTheFocusOnAndOffAndNoKeyClicks) {
  StartHost();
  MoveOntoHost();
  CaptureFace("normal", kNormal);

  Xdotool({"key", "Tab"});
  ExpectGradient(CaptureFace("focused", kSelected), false, "focused");
  Xdotool({"key", "Return", "space"});
  Settle();
  EXPECT_EQ(Clicks(), 0);

  Xdotool({"key", "Tab"});
  CaptureFace("unfocused", kNormal);
}

TEST_F(ButtonTest, ADisabledButtonIgnoresThePointerAndGreysItsCaption) {
  StartHost({"disabled"});
  ScreenImage image = CaptureFace("disabled", kDisable);

  int darkest = 3 * 255;
  int greyPixels = 0;
  for (int y = 7; y < 20; ++y) {
    for (int x = 4; x < kButtonWidth - 4; ++x) {
      const Rgb pixel = ButtonPixel(image, x, y);
      const int sum = pixel.red + pixel.green + pixel.blue;
      darkest = std::min(darkest, sum);
      greyPixels += sum < 3 * 180;
    }
  }
  EXPECT_GT(greyPixels, 10) << "no caption";
  EXPECT_GT(darkest, 3 * 80) << "the caption is not greyed";

  MoveOverButton();
  Xdotool({"click", "1"});
  Xdotool({"click", "3"});
  Settle();
  CaptureFace("after-clicks", kDisable);
  EXPECT_EQ(Clicks(), 0);
}

TEST_F(ButtonTest, AClickHandlerMayCloseTheWindowThatHoldsTheButton) {
  StartHost({"close-on-click"});
  MoveOverButton();
  CaptureFace("hot", kHighLight);

  Xdotool({"click", "1"});

  EXPECT_EQ(host_->WaitForExit(10s), 0) << host_->Output();
  EXPECT_EQ(Clicks(), 1);
}

TEST_F(ButtonTest, The64BitBuildDrawsAndClicksTheSame) {
  SKIP_WHERE_64_BIT_IS_PRIMARY();
  StartHost({}, Build::k64Bit);
  ExpectGradient(CaptureFace("normal", kNormal), false, "normal");

  MoveOverButton();
  ExpectGradient(CaptureFace("hot", kHighLight), true, "hot");
  Xdotool({"click", "1"});

  ASSERT_TRUE(host_->WaitForOutput("click", 5s));
  CaptureFace("released", kHighLight);
}

// The five looks side by side, each cut from a screenshot of the host in that state, into
// e2e-output/button-faces.png.
TEST_F(ButtonTest, TheFacesSideBySide) {
  std::vector<std::string> crops;
  const auto keep = [&](const std::string& name, const Face& face) {
    CaptureFace(name, face);
    const std::string crop = (OutputFolder() / (name + "-crop.png")).string();
    const std::string area = std::to_string(kButtonWidth + 16) + "x" +
                             std::to_string(kButtonHeight + 16) + "+" + std::to_string(left_ - 8) +
                             "+" + std::to_string(top_ - 8);
    RunOnLinux({"convert", (OutputFolder() / (name + ".png")).string(), "-crop", area,
                "+repage", crop});
    crops.push_back(crop);
  };
  StartHost();
  keep("1-normal", kNormal);
  MoveOverButton();
  keep("2-hot", kHighLight);
  MoveOntoHost();
  CaptureFace("normal-again", kNormal);
  Xdotool({"key", "Tab"});
  keep("3-focused", kSelected);
  MoveOverButton();
  Xdotool({"mousedown", "1"});
  keep("4-pressed", kPressed);
  Xdotool({"mouseup", "1"});
  MoveOntoHost();
  host_.reset();
  StartHost({"disabled"});
  keep("5-disabled", kDisable);

  std::vector<std::string> montage{"convert", "-background", "#ECE9D8"};
  montage.insert(montage.end(), crops.begin(), crops.end());
  const fs::path faces = kOutputFolder / "button-faces.png";
  montage.insert(montage.end(), {"+append", "-scale", "200%", faces.string()});
  RunOnLinux(montage);
  EXPECT_TRUE(fs::exists(faces));
}

}  // namespace
}  // namespace orvane::e2e
