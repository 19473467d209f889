// The renderer under Wine on its own, started the way the screen saver starts it (its full
// path alone as its command line) with its inputs staged in C:\v_orim, or not: how it ends
// on each kind of input, and its fallbacks. Whole saver runs with it are in
// saver_run_e2e_test.cpp.
#include <filesystem>
#include <thread>

#include "build_paths.h"
#include "e2e_test.h"
#include "scene_look.h"
#include "x_screen.h"
#include "xdotool.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kRendererTitle = "3dOrvane_VC";
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

class RendererTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    fs::create_directories(StagingFolder());
    // Away from the screen's edges, so that small moves are not cut short there.
    Xdotool({"mousemove", "512", "384"});
  }

  void StageShippedModel() { fs::copy_file(DistFolder(PrimaryBuild()) / "3dOrvane.x", StagingFolder() / "3dOrvane.x"); }

  // Copies the chosen build of the renderer into a program folder whose path holds blanks, and
  // starts it from there as the saver does. `dllOverrides` adds to WINEDLLOVERRIDES.
  ChildProcess StartRenderer(Build build = PrimaryBuild(), const std::string& dllOverrides = "") {
    const fs::path folder = OutputFolder() / "Program Files" / "3dOrvane Saver";
    fs::create_directories(folder);
    fs::copy_file(DistFolder(build) / "3dOrvane.dll", folder / "3dOrvane.dll", fs::copy_options::overwrite_existing);
    std::vector<std::string> environment = WineSession::Current().Environment();
    for (std::string& entry : environment) {
      if (!dllOverrides.empty() && entry.rfind("WINEDLLOVERRIDES=", 0) == 0) entry += ";" + dllOverrides;
    }
    ChildProcess launcher({WineSession::Current().Variable("WINE"), ProbeProgram().string(), "launch", WindowsPath(folder / "3dOrvane.dll")},
                          environment, OutputFolder() / "launcher.log");
    EXPECT_TRUE(launcher.WaitForOutput("started", 30s)) << launcher.Output();
    return launcher;
  }

  std::vector<WindowInfo> RendererWindows() {
    std::vector<WindowInfo> found;
    for (const WindowInfo& window : probe().Windows()) {
      if (window.title == kRendererTitle) found.push_back(window);
    }
    return found;
  }

  // Waits until the renderer's window shows, then expects it to be the only one, over the
  // whole screen.
  void ExpectFullScreenWindow() {
    std::vector<WindowInfo> windows;
    for (int attempt = 0; attempt < 60; ++attempt) {
      windows = RendererWindows();
      if (!windows.empty() && windows[0].visible) break;
      std::this_thread::sleep_for(250ms);
    }
    ASSERT_EQ(windows.size(), 1u) << "no single window titled " << kRendererTitle;
    EXPECT_TRUE(windows[0].visible);
    EXPECT_EQ(windows[0].left, 0);
    EXPECT_EQ(windows[0].top, 0);
    EXPECT_EQ(windows[0].right, kScreenWidth);
    EXPECT_EQ(windows[0].bottom, kScreenHeight);
  }

  void Xdotool(const std::vector<std::string>& arguments) {
    e2e::Xdotool(arguments, OutputFolder() / "xdotool.log");
  }

  SceneLook LookAtScreen(const std::string& name) {
    const ScreenImage screen = XScreen(WineSession::Current().Variable("DISPLAY")).Capture();
    screen.SavePng(OutputFolder() / (name + ".png"));
    return LookAt(screen);
  }

  void ExpectRunEnds(ChildProcess& launcher) {
    EXPECT_EQ(launcher.WaitForExit(15s), 0) << "the renderer did not end cleanly";
    EXPECT_TRUE(RendererWindows().empty());
  }

  void ExpectStillRunning(ChildProcess& launcher) {
    EXPECT_FALSE(launcher.WaitForExit(1500ms)) << "the renderer ended by itself";
    EXPECT_EQ(RendererWindows().size(), 1u);
  }
};

TEST_F(RendererTest, JitterOfAFewPixelsIsIgnoredAndALargerMoveEndsTheRun) {
  StageShippedModel();
  ChildProcess renderer = StartRenderer();
  ExpectFullScreenWindow();
  std::this_thread::sleep_for(1s);

  Xdotool({"mousemove_relative", "--", "4", "-3"});
  ExpectStillRunning(renderer);
  Xdotool({"mousemove_relative", "--", "1", "9"});  // 7.8 pixels from the start
  ExpectStillRunning(renderer);
  Xdotool({"mousemove_relative", "--", "20", "0"});
  ExpectRunEnds(renderer);
}

TEST_F(RendererTest, AMouseButtonEndsTheRun) {
  StageShippedModel();
  ChildProcess renderer = StartRenderer();
  ExpectFullScreenWindow();

  Xdotool({"click", "3"});

  ExpectRunEnds(renderer);
}

TEST_F(RendererTest, CloseFromOutsideEndsTheRun) {
  StageShippedModel();
  ChildProcess renderer = StartRenderer();
  ExpectFullScreenWindow();

  ChildProcess closer = WineSession::Current().Start(ProbeProgram(), {"close", kRendererTitle},
                                                     OutputFolder() / "close.log");
  EXPECT_EQ(closer.WaitForExit(30s), 0);

  ExpectRunEnds(renderer);
}

TEST_F(RendererTest, WithoutOpenGLTheRainIsDrawnIn2DAndStillEndsOnInput) {
  StageShippedModel();
  ChildProcess renderer = StartRenderer(PrimaryBuild(), "opengl32=");
  ExpectFullScreenWindow();
  std::this_thread::sleep_for(2s);

  ExpectGlyphRain(LookAtScreen("scene"));
  ExpectStillRunning(renderer);
  Xdotool({"key", "a"});
  ExpectRunEnds(renderer);
}

TEST_F(RendererTest, The64BitBuildShowsTheSameSceneWithNothingStaged) {
  SKIP_WHERE_64_BIT_IS_PRIMARY();
  fs::remove_all(StagingFolder());
  ChildProcess renderer = StartRenderer(Build::k64Bit);
  ExpectFullScreenWindow();
  std::this_thread::sleep_for(2s);

  ExpectGlyphRain(LookAtScreen("scene"));
  Xdotool({"mousemove_relative", "--", "-30", "-30"});
  ExpectRunEnds(renderer);
}

}  // namespace
}  // namespace orvane::e2e
