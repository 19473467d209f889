// The renderer under Wine, started the way the screen saver starts it: its full path alone as
// its command line, after the two inputs have been staged in C:\v_orim. What a user would see
// (a screenshot of the scene) and do (a key, a click, a mouse move) decides the outcome.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

#include "build_paths.h"
#include "e2e_test.h"
#include "scene_look.h"
#include "x_screen.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kRendererTitle = "3dOrvane_VC";
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

// A 24-bit Windows bitmap of a soft grey patch fading to black, like the saver's glow texture.
void WriteGlowBitmap(const fs::path& file) {
  constexpr int kSide = 128;
  constexpr std::uint32_t kPixelBytes = kSide * kSide * 3;
  std::ostringstream bytes;
  auto put = [&](std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.put(static_cast<char>((value >> (8 * i)) & 0xFF));
  };
  bytes << "BM";
  put(54 + kPixelBytes, 4);
  put(0, 4);
  put(54, 4);
  put(40, 4);
  put(kSide, 4);
  put(kSide, 4);
  put(1, 2);
  put(24, 2);
  put(0, 4);
  put(kPixelBytes, 4);
  put(2835, 4);
  put(2835, 4);
  put(0, 4);
  put(0, 4);
  for (int y = 0; y < kSide; ++y) {
    for (int x = 0; x < kSide; ++x) {
      const double dx = (x - 63.5) / 64, dy = (y - 63.5) / 64;
      const double fade = std::max(0.0, 1 - std::sqrt(dx * dx + dy * dy));
      const auto grey = static_cast<std::uint32_t>(220 * fade * fade);
      put(grey, 1);
      put(grey, 1);
      put(grey, 1);
    }
  }
  std::ofstream(file, std::ios::binary) << bytes.str();
}

class RendererTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    fs::create_directories(StagingFolder());
  }

  void StageModel(const std::string& text) { std::ofstream(StagingFolder() / "3dOrvane.x", std::ios::binary) << text; }
  void StageShippedModel() { fs::copy_file(kDistFolder32 / "3dOrvane.x", StagingFolder() / "3dOrvane.x"); }
  void StageGlowTexture() { WriteGlowBitmap(StagingFolder() / "3dOrvane.bmp"); }

  // Copies the chosen build of the renderer into a program folder whose path holds blanks, and
  // starts it from there as the saver does. `dllOverrides` adds to WINEDLLOVERRIDES.
  ChildProcess StartRenderer(Build build = Build::k32Bit, const std::string& dllOverrides = "") {
    const fs::path folder = OutputFolder() / "Program Files" / "3dOrvane Saver";
    fs::create_directories(folder);
    const fs::path dist = build == Build::k32Bit ? kDistFolder32 : kDistFolder64;
    fs::copy_file(dist / "3dOrvane.dll", folder / "3dOrvane.dll", fs::copy_options::overwrite_existing);
    std::vector<std::string> environment = WineSession::Current().Environment();
    for (std::string& entry : environment) {
      if (!dllOverrides.empty() && entry.rfind("WINEDLLOVERRIDES=", 0) == 0) entry += ";" + dllOverrides;
    }
    ChildProcess launcher({"wine", kProbeProgram.string(), "launch", WindowsPath(folder / "3dOrvane.dll")},
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

  // Runs xdotool on the session's display, as the user's hand.
  void Xdotool(const std::vector<std::string>& arguments) {
    std::vector<std::string> command{"xdotool"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    ChildProcess xdotool(command, WineSession::Current().Environment(), OutputFolder() / "xdotool.log");
    EXPECT_EQ(xdotool.WaitForExit(10s), 0) << xdotool.Output();
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

TEST_F(RendererTest, ShowsBlueAndYellowGlyphRainAroundTheGlowingModelUntilAKeyIsPressed) {
  StageShippedModel();
  StageGlowTexture();
  ChildProcess renderer = StartRenderer();
  ExpectFullScreenWindow();
  std::this_thread::sleep_for(2s);

  const SceneLook look = LookAtScreen("scene");

  ExpectGlyphRain(look);
  EXPECT_TRUE(ShowsTheModel(look));
  ExpectStillRunning(renderer);
  Xdotool({"key", "space"});
  ExpectRunEnds(renderer);
}

TEST_F(RendererTest, JitterOfAFewPixelsIsIgnoredAndALargerMoveEndsTheRun) {
  StageShippedModel();
  StageGlowTexture();
  ChildProcess renderer = StartRenderer();
  ExpectFullScreenWindow();
  std::this_thread::sleep_for(1s);

  Xdotool({"mousemove_relative", "--", "4", "-3"});
  ExpectStillRunning(renderer);
  Xdotool({"mousemove_relative", "--", "2", "-4"});
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

  ChildProcess closer = WineSession::Current().Start(kProbeProgram, {"close", kRendererTitle},
                                                     OutputFolder() / "close.log");
  EXPECT_EQ(closer.WaitForExit(30s), 0);

  ExpectRunEnds(renderer);
}

TEST_F(RendererTest, ACorruptedModelAndAMissingTextureStillLeaveTheRain) {
  std::ifstream shipped(kDistFolder32 / "3dOrvane.x", std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(shipped), std::istreambuf_iterator<char>()};
  text.resize(text.size() / 2);
  text += "\x01\xff garbage {{{";
  StageModel(text);
  ChildProcess renderer = StartRenderer();
  ExpectFullScreenWindow();
  std::this_thread::sleep_for(2s);

  const SceneLook look = LookAtScreen("scene");

  ExpectGlyphRain(look);
  EXPECT_FALSE(ShowsTheModel(look)) << "a model where none could be read";
  ExpectStillRunning(renderer);
  Xdotool({"key", "Escape"});
  ExpectRunEnds(renderer);
}

TEST_F(RendererTest, WithoutOpenGLTheRainIsDrawnIn2DAndStillEndsOnInput) {
  StageShippedModel();
  StageGlowTexture();
  ChildProcess renderer = StartRenderer(Build::k32Bit, "opengl32=");
  ExpectFullScreenWindow();
  std::this_thread::sleep_for(2s);

  ExpectGlyphRain(LookAtScreen("scene"));
  ExpectStillRunning(renderer);
  Xdotool({"key", "a"});
  ExpectRunEnds(renderer);
}

TEST_F(RendererTest, The64BitBuildShowsTheSameSceneWithNothingStaged) {
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
