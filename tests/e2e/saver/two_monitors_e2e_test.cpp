// The saver on a desk of two monitors of different sizes, in a Wine session of its own: the
// primary of 1024 x 768 and, left of it and 168 pixels lower, one of 800 x 600 (the rig's
// --heads). Each monitor tears apart on its own, the scene then fills both, a move on the
// smaller one ends the run, and the dialog opens on the monitor of the pointer.
#include <algorithm>
#include <filesystem>
#include <thread>

#include "e2e_test.h"
#include "screen_checks.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kRendererTitle = "3dOrvane_VC";
const std::string kDialogTitle = "<3dOrvaneの設定>";

// Where the monitors lie on the X screen, whose left edge is the virtual screen's.
constexpr Area kPrimary{800, 0, 1024, 768};
constexpr Area kSecondary{0, 168, 800, 600};

// The test desktop: each monitor shows the column pattern counted from its own left edge, so
// a moved part shows how far it moved on its own monitor; grey where no monitor shows.
Picture MonitorPattern(int width, int height) {
  Picture image{width, height, std::vector<Rgb>(std::size_t(width) * height, Rgb{90, 90, 90})};
  for (const Area& area : {kPrimary, kSecondary}) {
    const Picture pattern = ColumnPattern(area.width, area.height);
    for (int y = 0; y < area.height; ++y) {
      std::copy_n(pattern.pixels.begin() + std::ptrdiff_t(y) * area.width, area.width,
                  image.pixels.begin() + std::ptrdiff_t(area.top + y) * width + area.left);
    }
  }
  return image;
}

double BlackShare(const Picture& image) {
  return double(std::count(image.pixels.begin(), image.pixels.end(), Rgb{0, 0, 0})) / double(image.pixels.size());
}

// The share of a monitor's pixels that still show the test desktop where it was.
double DesktopShare(const Picture& monitor, const Picture& desktop) {
  std::size_t same = 0;
  for (std::size_t i = 0; i < monitor.pixels.size(); ++i) same += monitor.pixels[i] == desktop.pixels[i];
  return double(same) / double(monitor.pixels.size());
}

using TwoMonitorsTest = E2eTest;

TEST_F(TwoMonitorsTest, EachMonitorTearsApartOnItsOwnTheSceneFillsBothAndAMoveOnEitherEndsTheRun) {
  // Wine sees the two heads as two monitors, the smaller left of the primary.
  const std::vector<MonitorInfo> monitors = probe().Monitors();
  ASSERT_EQ(monitors.size(), 2u);
  EXPECT_EQ(std::vector<int>({monitors[0].left, monitors[0].top, monitors[0].right, monitors[0].bottom}),
            std::vector<int>({0, 0, 1024, 768}));
  EXPECT_EQ(std::vector<int>({monitors[1].left, monitors[1].top, monitors[1].right, monitors[1].bottom}),
            std::vector<int>({-800, 168, 0, 768}));

  // Shows `desktop` as the X screen's background, and waits until both monitors show it.
  const auto showDesktop = [&](const Picture& desktop) {
    screen().SetDesktopPicture(desktop);
    for (const auto deadline = std::chrono::steady_clock::now() + 20s;
         DesktopShare(Crop(screen().Capture(), kPrimary), Crop(desktop, kPrimary)) < 1.0 ||
         DesktopShare(Crop(screen().Capture(), kSecondary), Crop(desktop, kSecondary)) < 1.0;
         std::this_thread::sleep_for(100ms)) {
      if (std::chrono::steady_clock::now() > deadline) return false;
    }
    return true;
  };
  const Picture desktop = MonitorPattern(screen().Width(), screen().Height());
  ASSERT_TRUE(showDesktop(desktop)) << "the test desktop did not show";
  const Picture primaryDesktop = Crop(desktop, kPrimary), secondaryDesktop = Crop(desktop, kSecondary);

  fs::copy(DistFolder(PrimaryBuild()), OutputFolder() / "program");
  // The pointer rests on the smaller monitor.
  Xdotool({"mousemove", "400", "468"});
  ChildProcess saver = StartScreenSaver(OutputFolder() / "program", {"/s"});
  std::vector<int> primaryShifts, secondaryShifts;
  for (auto next = std::chrono::steady_clock::now(), end = next + 60s;
       next < end && !saver.HasEnded() && !screen().WindowShown(kRendererTitle); next += 50ms) {
    std::this_thread::sleep_until(next);
    const Picture frame = screen().Capture();
    const int primary = SlideShift(Crop(frame, kPrimary));
    const int secondary = SlideShift(Crop(frame, kSecondary));
    if (primary > 0 && (primaryShifts.empty() || primary > primaryShifts.back())) primaryShifts.push_back(primary);
    if (secondary > 0 && (secondaryShifts.empty() || secondary > secondaryShifts.back())) {
      secondaryShifts.push_back(secondary);
    }
  }
  // Each monitor's parts left by its own edges: its columns moved out from its own sides, in
  // two frames at least (a busy machine catches few of the smaller monitor's short slide).
  EXPECT_GE(primaryShifts.size(), 2u) << "the primary monitor's slide was not seen";
  EXPECT_GE(secondaryShifts.size(), 2u) << "the smaller monitor's slide was not seen";

  ASSERT_TRUE(WaitForWindow(kRendererTitle, true, 60s)) << "the renderer's window never showed";
  const auto graceOver = std::chrono::steady_clock::now() + 500ms;
  // The whole scene, the model with its glow in the middle, on each monitor.
  const auto wholeScene = [](const Picture& monitor) {
    const SceneLook look = LookAt(monitor);
    return look.rain && look.model;
  };
  Picture scene;
  for (const auto deadline = std::chrono::steady_clock::now() + 30s;
       std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(100ms)) {
    scene = screen().Capture();
    if (wholeScene(Crop(scene, kPrimary)) && wholeScene(Crop(scene, kSecondary))) break;
  }
  SaveBitmap(scene, OutputFolder() / "scene.bmp");
  EXPECT_LT(DesktopShare(Crop(scene, kPrimary), primaryDesktop), 0.01) << "the primary still shows the desktop";
  EXPECT_LT(DesktopShare(Crop(scene, kSecondary), secondaryDesktop), 0.01) << "the smaller monitor still shows the desktop";
  EXPECT_TRUE(wholeScene(Crop(scene, kPrimary))) << "no whole scene on the primary monitor";
  EXPECT_TRUE(wholeScene(Crop(scene, kSecondary))) << "no whole scene on the smaller monitor";
  SaveBitmap(scene, kOutputFolder / "renderer-two-monitors.bmp");
  // Past the renderer's half second of grace for mouse moves.
  std::this_thread::sleep_until(graceOver);

  // A move of more than 8 pixels on the smaller monitor ends the renderer, and with it the run.
  Xdotool({"mousemove_relative", "--", "30", "20"});
  EXPECT_EQ(saver.WaitForExit(20s), 0) << "the run did not end on a move on the smaller monitor";
  EXPECT_FALSE(screen().WindowShown(kRendererTitle));

  // README's pictures: a run over a desktop a user would know, the crack and the slide as the
  // primary monitor shows them, and the slide on both monitors.
  ASSERT_TRUE(showDesktop(UserDesktop(screen().Width(), screen().Height(), {kPrimary, kSecondary})));
  ChildProcess pictured = StartScreenSaver(OutputFolder() / "program", {"/s"});
  std::optional<Picture> crack, slide;
  for (auto next = std::chrono::steady_clock::now(), end = next + 60s;
       next < end && !slide && !screen().WindowShown(kRendererTitle); next += 30ms) {
    std::this_thread::sleep_until(next);
    const Picture frame = screen().Capture();
    const double black = BlackShare(Crop(frame, kPrimary));
    if (!crack && black > 0) crack = frame;
    if (black > 0.05) slide = frame;
  }
  ASSERT_TRUE(crack && slide) << "the run over the user's desktop was not seen";
  SaveBitmap(Crop(*crack, kPrimary), kOutputFolder / "saver-crack.bmp");
  SaveBitmap(Crop(*slide, kPrimary), kOutputFolder / "saver-slide.bmp");
  SaveBitmap(*slide, kOutputFolder / "saver-two-monitors.bmp");
  // This run only makes pictures: it is ended by moves to and fro until it has gone, whenever
  // the renderer's grace and a busy machine let the first of them count.
  ASSERT_TRUE(WaitForWindow(kRendererTitle, true, 60s));
  for (int move = 0; move < 20 && !pictured.WaitForExit(1s); ++move) {
    Xdotool({"mousemove_relative", "--", move % 2 ? "30" : "-30", move % 2 ? "20" : "-20"});
  }
  EXPECT_EQ(pictured.WaitForExit(20s), 0);
}

TEST_F(TwoMonitorsTest, TheDialogOpensOnTheMonitorOfThePointer) {
  const fs::path program = MakeProgramFolder();
  const std::vector<MonitorInfo> monitors = probe().Monitors();
  ASSERT_EQ(monitors.size(), 2u);
  // The pointer on each monitor in turn: the primary's middle, then the smaller one's.
  const struct {
    std::string x, y;
    MonitorInfo monitor;
  } places[] = {{"1312", "384", monitors[0]}, {"400", "468", monitors[1]}};
  for (const auto& place : places) {
    SCOPED_TRACE(place.x);
    Xdotool({"mousemove", place.x, place.y});
    ChildProcess settings = StartScreenSaver(program, {"/c"});
    // Its title is not ASCII, so it is looked for as Windows programs see it.
    std::optional<WindowInfo> dialog;
    for (const auto deadline = std::chrono::steady_clock::now() + 30s;
         !dialog && std::chrono::steady_clock::now() < deadline; std::this_thread::sleep_for(100ms)) {
      for (const WindowInfo& window : probe().Windows()) {
        if (window.title == kDialogTitle && window.visible) dialog = window;
      }
    }
    ASSERT_TRUE(dialog) << "no dialog";
    // Centred across the monitor's free area, a third of the free height down.
    const MonitorInfo& m = place.monitor;
    const int width = dialog->right - dialog->left, height = dialog->bottom - dialog->top;
    EXPECT_EQ(dialog->left, m.workLeft + (m.workRight - m.workLeft - width) / 2);
    EXPECT_EQ(dialog->top, m.workTop + (m.workBottom - m.workTop - height) / 3);
    EXPECT_TRUE(probe().Close(kDialogTitle));
    EXPECT_EQ(settings.WaitForExit(20s), 0);
  }
}

}  // namespace
}  // namespace orvane::e2e
