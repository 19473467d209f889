// The renderer under Wine: on its own, started the way the screen saver starts it (its full
// path alone as its command line) with its inputs staged in C:\v_orim, and in whole saver runs
// as it ships. Either way the scene shows and the user's own hand ends it.
#include <algorithm>
#include <filesystem>
#include <thread>

#include "e2e_test.h"
#include "screen_checks.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kRendererTitle = "3dOrvane_VC";

class RendererTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    // Away from the screen's edges, so that small moves are not cut short there.
    Xdotool({"mousemove", "512", "384"});
  }
  // Waits for the renderer's window and for its scene (with the model when `withModel`), keeps
  // the picture and returns what it shows; by then the renderer's half second of grace, in which
  // it ignores mouse moves, has passed too.
  SceneLook WaitForScene(const fs::path& picture, bool withModel) {
    EXPECT_TRUE(WaitForWindow(kRendererTitle, true, 60s)) << "the renderer's window never showed";
    const auto graceOver = std::chrono::steady_clock::now() + 500ms;
    Picture scene;
    SceneLook look;
    for (const auto deadline = std::chrono::steady_clock::now() + 30s;
         (!look.rain || (withModel && !look.model)) && std::chrono::steady_clock::now() < deadline;
         std::this_thread::sleep_for(100ms)) {
      scene = screen().Capture();
      look = LookAt(scene);
    }
    SaveBitmap(scene, picture);
    std::this_thread::sleep_until(graceOver);
    return look;
  }
};

TEST_F(RendererTest, ShowsTheRainWithOrWithoutOpenGLOverTheWholeScreenAndEndsOnInputAlone) {
  const struct {
    const char* what;
    const char* dllOverrides;
    std::vector<std::string> input;
  } cases[] = {
      {"with OpenGL", "", {"mousemove_relative", "--", "20", "0"}},
      {"without OpenGL, in 2-D", "opengl32=", {"key", "a"}},
  };
  // In a folder whose path holds blanks.
  const fs::path folder = OutputFolder() / "Program Files" / "3dOrvane Saver";
  fs::create_directories(folder);
  fs::copy_file(DistFolder(PrimaryBuild()) / "3dOrvane.dll", folder / "3dOrvane.dll");
  fs::create_directories(StagingFolder());
  fs::copy_file(DistFolder(PrimaryBuild()) / "3dOrvane.x", StagingFolder() / "3dOrvane.x");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ChildProcess renderer =
        probe().Launch(folder / "3dOrvane.dll",
                       {"WINEDLLOVERRIDES=" + WineSession::Current().Variable("WINEDLLOVERRIDES") +
                        ";" + c.dllOverrides});
    EXPECT_TRUE(WaitForScene(OutputFolder() / (std::string(c.what) + ".bmp"), false).rain);
    std::vector<std::vector<int>> rectangles;
    for (const WindowInfo& w : probe().Windows()) {
      if (w.title == kRendererTitle) rectangles.push_back({w.left, w.top, w.right, w.bottom});
    }
    EXPECT_EQ(rectangles,
              (std::vector<std::vector<int>>{{0, 0, screen().Width(), screen().Height()}}))
        << "not one window over the whole screen";

    // A jitter of a few pixels leaves the scene running; the input ends it, and its process.
    Xdotool({"mousemove_relative", "--", "4", "-3"});
    EXPECT_FALSE(renderer.WaitForExit(1500ms)) << "the renderer ended by itself or on a jitter";
    Xdotool(c.input);
    EXPECT_EQ(renderer.WaitForExit(15s), 0) << "the renderer did not end cleanly";
    EXPECT_FALSE(screen().WindowShown(kRendererTitle));
  }
}

using SaverWithRendererTest = RendererTest;

// Runs each build as it ships until its scene shows, then ends the run with a mouse move or a
// key: the renderer ends, and the saver notices, removes the staged files and ends.
TEST_F(SaverWithRendererTest,
       AfterTheEffectTheSceneShowsAndAMoveOrAKeyEndsTheWholeRunOfEitherBuild) {
  const struct {
    Build build;
    std::vector<std::string> input;
  } runs[] = {{PrimaryBuild(), {"mousemove_relative", "--", "40", "25"}},
              {Build::k64Bit, {"key", "Return"}}};
  for (const auto& run : runs) {
    // Where the x86_64 build is the only one, the first run was of it.
    if (&run != &runs[0] && run.build == PrimaryBuild()) continue;
    SCOPED_TRACE(DistFolder(run.build));
    const fs::path program = DistFolder(run.build).filename();
    fs::copy(DistFolder(run.build), OutputFolder() / program);
    ChildProcess saver = StartScreenSaver(OutputFolder() / program, {"/s"});

    // The primary build's scene is kept after the run: the README's picture of it.
    const SceneLook look = WaitForScene(
        &run == &runs[0] ? kOutputFolder / "renderer-scene.bmp" : OutputFolder() / "scene.bmp", true);
    EXPECT_TRUE(look.rain);
    EXPECT_TRUE(look.model);
    EXPECT_EQ(ReadBytes(StagingFolder() / "3dOrvane.x"),
              ReadBytes(DistFolder(run.build) / "3dOrvane.x"));
    EXPECT_FALSE(saver.HasEnded());
    Xdotool(run.input);
    EXPECT_EQ(saver.WaitForExit(20s), 0) << "the saver did not end after the renderer";
    EXPECT_FALSE(screen().WindowShown(kRendererTitle));
    EXPECT_FALSE(fs::exists(StagingFolder() / "3dOrvane.x") ||
                 fs::exists(StagingFolder() / "3dOrvane.bmp"))
        << "staged files were left behind";
  }
}

}  // namespace
}  // namespace orvane::e2e
