// The saver on a desk of two monitors of different sizes, in a Wine session of its own: the
// primary of 1024 x 768 and, left of it and 168 pixels lower, one of 800 x 600 (the rig's
// --heads). Each monitor tears apart on its own, the scene then fills both, a move on the
// smaller one ends the run, and the dialog opens on the monitor of the pointer.
#include <filesystem>
#include <optional>

#include "e2e_test.h"
#include "screen_checks.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

// Where the monitors lie on the X screen, whose left edge is the virtual screen's, 800 pixels
// left of the primary's.
constexpr Area kPrimary{800, 0, 1024, 768};
constexpr Area kSecondary{0, 168, 800, 600};
constexpr int kVirtualLeft = -800;

// The share of a picture's pixels that are as in `other`.
double SameShare(const Picture& image, const Picture& other) {
  std::size_t same = 0;
  for (std::size_t i = 0; i < image.pixels.size(); ++i) same += image.pixels[i] == other.pixels[i];
  return double(same) / double(image.pixels.size());
}

// Shows `desktop` as the X screen's background, and waits until both monitors show it.
bool ShowDesktop(XScreen& screen, const Picture& desktop) {
  screen.SetDesktopPicture(desktop);
  return Eventually([&] {
    const Picture now = screen.Capture();
    return SameShare(Crop(now, kPrimary), Crop(desktop, kPrimary)) == 1 &&
           SameShare(Crop(now, kSecondary), Crop(desktop, kSecondary)) == 1;
  }, 20s, 100ms);
}

using TwoMonitorsTest = E2eTest;

TEST_F(TwoMonitorsTest, EachMonitorTearsApartOnItsOwnTheSceneFillsBothAMoveOnEitherEndsTheRunAndTheDialogFollowsThePointer) {
  const Picture desktop = UserDesktop(screen().Width(), screen().Height(), {kPrimary, kSecondary});
  ASSERT_TRUE(ShowDesktop(screen(), desktop)) << "the test desktop did not show";

  fs::copy(DistFolder(PrimaryBuild()), OutputFolder() / "program");
  // The pointer rests on the smaller monitor.
  Xdotool({"mousemove", "400", "468"});
  ChildProcess saver = StartScreenSaver(OutputFolder() / "program", {"/s"});
  std::vector<int> primaryShifts, secondaryShifts;
  // README's pictures: the crack and the slide as the primary monitor shows them, and the slide
  // on both monitors.
  const Picture black{kPrimary.width, kPrimary.height, std::vector<Rgb>(std::size_t(kPrimary.width) * kPrimary.height)};
  std::optional<Picture> crack, slide;
  WatchTheEffect(saver, 50ms, [&](const Picture& frame) {
    AddNewShift(primaryShifts, SlideShift(Crop(frame, kPrimary)));
    AddNewShift(secondaryShifts, SlideShift(Crop(frame, kSecondary)));
    const double blackShare = SameShare(Crop(frame, kPrimary), black);
    if (!crack && blackShare > 0) crack = frame;
    if (!slide && blackShare > 0.05) slide = frame;
    return false;
  });
  // Each monitor's parts left by its own edges: its columns moved out from its own sides, in
  // two frames at least (a busy machine catches few of the smaller monitor's short slide).
  EXPECT_GE(primaryShifts.size(), 2u) << "the primary monitor's slide was not seen";
  EXPECT_GE(secondaryShifts.size(), 2u) << "the smaller monitor's slide was not seen";
  ASSERT_TRUE(crack && slide) << "the crack or the slide was not seen";
  SaveBitmap(Crop(*crack, kPrimary), kOutputFolder / "saver-crack.bmp");
  SaveBitmap(Crop(*slide, kPrimary), kOutputFolder / "saver-slide.bmp");
  SaveBitmap(*slide, kOutputFolder / "saver-two-monitors.bmp");

  // The whole scene, the model with its glow in the middle, on each monitor, and nothing of the
  // desktop left on either.
  const auto wholeScene = [](const Picture& monitor) {
    const SceneLook look = LookAt(monitor);
    return look.rain && look.model;
  };
  const Picture scene = WaitForScene([&](const Picture& screen) {
    return wholeScene(Crop(screen, kPrimary)) && wholeScene(Crop(screen, kSecondary));
  });
  SaveBitmap(scene, kOutputFolder / "renderer-two-monitors.bmp");
  for (const Area& monitor : {kPrimary, kSecondary}) {
    EXPECT_LT(SameShare(Crop(scene, monitor), Crop(desktop, monitor)), 0.01) << "the desktop still shows " << monitor.left;
  }

  // A move of more than 8 pixels on the smaller monitor ends the renderer, and with it the run.
  Xdotool({"mousemove_relative", "--", "30", "20"});
  EXPECT_EQ(saver.WaitForExit(20s), 0) << "the run did not end on a move on the smaller monitor";
  EXPECT_FALSE(screen().WindowShown(kRendererTitle));

  // The dialog opens on the monitor of the pointer, put in the middle of each in turn.
  for (const Area& monitor : {kPrimary, kSecondary}) {
    SCOPED_TRACE(monitor.left);
    Xdotool({"mousemove", std::to_string(monitor.left + monitor.width / 2),
             std::to_string(monitor.top + monitor.height / 2)});
    ChildProcess settings = StartScreenSaver(OutputFolder() / "program", {"/c"});
    // Its title is not ASCII, so it is looked for as Windows programs see it.
    std::optional<WindowInfo> dialog;
    ASSERT_TRUE(Eventually([&] { return (dialog = probe().Shown(kDialogTitle)).has_value(); }, 30s, 100ms)) << "no dialog";
    // Centred across the monitor (no taskbar takes a part of it), a third of its height down.
    const int width = dialog->right - dialog->left, height = dialog->bottom - dialog->top;
    EXPECT_EQ(dialog->left, kVirtualLeft + monitor.left + (monitor.width - width) / 2);
    EXPECT_EQ(dialog->top, monitor.top + (monitor.height - height) / 3);
    EXPECT_TRUE(probe().Close(kDialogTitle));
    EXPECT_EQ(settings.WaitForExit(20s), 0);
  }

}

TEST_F(TwoMonitorsTest, TheSceneAtFixedMomentsLooksAsItsReferencePictures) { ExpectSceneAsItsReferences("two-monitors"); }

}  // namespace
}  // namespace orvane::e2e
