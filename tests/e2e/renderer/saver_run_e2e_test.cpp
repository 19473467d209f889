// Whole saver runs with the real renderer: after the split effect the scene shows, and the
// user's own hand (a mouse move, a key) ends the renderer and with it the saver, which then
// removes the staged files and ends.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
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

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SaverWithRendererTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    screen_ = std::make_unique<XScreen>(WineSession::Current().Variable("DISPLAY"));
  }

  // A program folder as it ships: the screen saver, the renderer and the model.
  fs::path MakeShippedFolder(Build build = PrimaryBuild()) {
    const fs::path program = MakeProgramFolder(Shipped{false, false}, build);
    fs::copy_file(DistFolder(build) / "3dOrvane.dll", program / "3dOrvane.dll");
    fs::copy_file(DistFolder(build) / "3dOrvane.x", program / "3dOrvane.x");
    return program;
  }

  // Starts a saver run and waits through the split effect until the renderer's window shows.
  ChildProcess StartRunUntilTheScene(const fs::path& program) {
    ChildProcess saver = StartScreenSaver(program, {"/s"});
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    while (!screen_->WindowShown(kRendererTitle) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(50ms);
    }
    EXPECT_TRUE(screen_->WindowShown(kRendererTitle)) << "the renderer's window never showed";
    // Let the scene settle past the renderer's grace period for mouse moves.
    std::this_thread::sleep_for(2s);
    return saver;
  }

  SceneLook LookAtScreen(const std::string& name) {
    const ScreenImage screen = screen_->Capture();
    screen.SavePng(OutputFolder() / (name + ".png"));
    return LookAt(screen);
  }

  void Xdotool(const std::vector<std::string>& arguments) {
    e2e::Xdotool(arguments, OutputFolder() / "xdotool.log");
  }

  // The command line of a process still running this test's renderer, seen from Linux; empty
  // when there is none.
  std::string RendererProcess() const {
    const std::string folder = OutputFolder().filename().string();
    for (const auto& entry : fs::directory_iterator("/proc")) {
      std::string commandLine = ReadFile(entry.path() / "cmdline");
      if (commandLine.find("3dOrvane.dll") != std::string::npos && commandLine.find(folder) != std::string::npos) {
        return commandLine;
      }
    }
    return "";
  }

  // The renderer closes, the saver notices, cleans up and ends, and no renderer is left.
  void ExpectTheRunToEnd(ChildProcess& saver) {
    EXPECT_EQ(saver.WaitForExit(20s), 0) << "the saver did not end after the renderer";
    EXPECT_FALSE(screen_->WindowShown(kRendererTitle));
    EXPECT_FALSE(fs::exists(StagingFolder() / "3dOrvane.x")) << "the staged model was left behind";
    EXPECT_FALSE(fs::exists(StagingFolder() / "3dOrvane.bmp")) << "the staged texture was left behind";
    for (int attempt = 0; attempt < 50 && !RendererProcess().empty(); ++attempt) {
      std::this_thread::sleep_for(100ms);
    }
    EXPECT_EQ(RendererProcess(), "") << "the renderer is still running";
  }

  std::unique_ptr<XScreen> screen_;
};

TEST_F(SaverWithRendererTest, AfterTheEffectTheSceneShowsAndAMouseMoveEndsTheWholeRun) {
  const fs::path program = MakeShippedFolder();
  ChildProcess saver = StartRunUntilTheScene(program);

  const ScreenImage scene = screen_->Capture();
  // Kept after the run: the README's picture of the scene.
  scene.SavePng(kOutputFolder / "renderer-scene.png");
  const SceneLook look = LookAt(scene);
  ExpectGlyphRain(look);
  EXPECT_TRUE(ShowsTheModel(look));
  EXPECT_EQ(ReadFile(StagingFolder() / "3dOrvane.x"), ReadFile(program / "3dOrvane.x"));
  EXPECT_FALSE(saver.HasEnded());

  Xdotool({"mousemove_relative", "--", "40", "25"});

  ExpectTheRunToEnd(saver);
}

TEST_F(SaverWithRendererTest, AKeyPressEndsTheWholeRun) {
  const fs::path program = MakeShippedFolder();
  ChildProcess saver = StartRunUntilTheScene(program);
  EXPECT_FALSE(saver.HasEnded());

  Xdotool({"key", "Return"});

  ExpectTheRunToEnd(saver);
}

TEST_F(SaverWithRendererTest, WithTheModelFileCorruptedTheSceneStillShows) {
  const fs::path program = MakeShippedFolder(Build::k64Bit);
  std::string model = ReadFile(program / "3dOrvane.x");
  model.replace(model.size() / 3, 64, std::string(64, '}'));
  std::ofstream(program / "3dOrvane.x", std::ios::binary) << model;
  ChildProcess saver = StartRunUntilTheScene(program);

  const SceneLook look = LookAtScreen("scene");
  ExpectGlyphRain(look);
  EXPECT_FALSE(ShowsTheModel(look)) << "a model where none could be read";

  Xdotool({"click", "1"});

  ExpectTheRunToEnd(saver);
}

}  // namespace
}  // namespace orvane::e2e
