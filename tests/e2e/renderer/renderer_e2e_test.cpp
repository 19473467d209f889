// The renderer under Wine: on its own, started the way the screen saver starts it (its full
// path alone as its command line) with its inputs staged in C:\v_orim, and in whole saver runs
// as it ships. Either way the scene shows and the user's own hand ends it.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "build_paths.h"
#include "e2e_test.h"
#include "x_screen.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

const std::string kRendererTitle = "3dOrvane_VC";

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What a screenshot of the scene shows.
struct SceneLook {
  bool rain = false;   // far from black, with blue and yellow glyphs
  bool model = false;  // the model and its glow light the middle far more than the rain the sides
};

SceneLook LookAt(const ScreenImage& image) {
  const int width = image.width(), height = image.height();
  int lit = 0, blue = 0, yellow = 0, centreCount = 0, edgeCount = 0;
  double centreSum = 0, edgeSum = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb p = image.At(x, y);
      lit += std::max({p.red, p.green, p.blue}) > 40;
      blue += p.blue > 60 && p.blue > p.red + 40;
      yellow += p.red > 100 && p.green > 70 && p.blue < p.red * 2 / 3;
      if (x > width / 3 && x < width * 2 / 3 && y > height / 3 && y < height * 2 / 3) {
        centreSum += p.red + p.green + p.blue;
        ++centreCount;
      } else if (x < width / 10 || x > width * 9 / 10) {
        edgeSum += p.red + p.green + p.blue;
        ++edgeCount;
      }
    }
  }
  const int total = width * height;
  return {lit > total / 100 && blue > total / 500 && yellow > total / 2000,
          centreSum / std::max(centreCount, 1) > 2 * edgeSum / std::max(edgeCount, 1) + 20};
}

class RendererE2eTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    screen_ = std::make_unique<XScreen>(WineSession::Current().Variable("DISPLAY"));
    // Away from the screen's edges, so that small moves are not cut short there.
    Xdotool({"mousemove", "512", "384"});
  }
  bool WaitForRendererWindow(std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!screen_->WindowShown(kRendererTitle) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(50ms);
    }
    // Let the scene settle past the renderer's half second of grace for mouse moves.
    std::this_thread::sleep_for(2s);
    return screen_->WindowShown(kRendererTitle);
  }
  SceneLook LookAtScreen(const fs::path& picture) {
    const ScreenImage screen = screen_->Capture();
    screen.SavePng(picture);
    return LookAt(screen);
  }

  std::unique_ptr<XScreen> screen_;
};

// The renderer alone, launched by the probe the way the saver launches it.
class RendererTest : public RendererE2eTest {
 protected:
  // Copies the chosen build of the renderer into a program folder whose path holds blanks, and
  // starts it from there. `dllOverrides` adds to WINEDLLOVERRIDES.
  ChildProcess StartRenderer(Build build, const std::string& dllOverrides = "") {
    const fs::path folder = OutputFolder() / "Program Files" / "3dOrvane Saver";
    fs::create_directories(folder);
    fs::copy_file(DistFolder(build) / "3dOrvane.dll", folder / "3dOrvane.dll",
                  fs::copy_options::overwrite_existing);
    const std::string overrides =
        WineSession::Current().Variable("WINEDLLOVERRIDES") + ";" + dllOverrides;
    ChildProcess launcher = WineSession::Current().Start(
        ProbeProgram(), {"launch", WindowsPath(folder / "3dOrvane.dll")},
        OutputFolder() / "launcher.log", {"WINEDLLOVERRIDES=" + overrides});
    EXPECT_TRUE(launcher.WaitForOutput("started", 30s)) << launcher.Output();
    EXPECT_TRUE(WaitForRendererWindow(30s)) << "the renderer's window never showed";
    std::vector<std::vector<int>> rectangles;
    for (const WindowInfo& w : probe().Windows()) {
      if (w.title == kRendererTitle) rectangles.push_back({w.left, w.top, w.right, w.bottom});
    }
    const std::vector<int> wholeScreen{0, 0, screen_->Width(), screen_->Height()};
    EXPECT_EQ(rectangles, std::vector<std::vector<int>>{wholeScreen})
        << "not one window over the whole screen";
    return launcher;
  }
  // A jitter of a few pixels leaves the scene running; `input` ends it.
  void ExpectToEndOnlyOn(ChildProcess& renderer, const std::vector<std::string>& input) {
    Xdotool({"mousemove_relative", "--", "4", "-3"});
    EXPECT_FALSE(renderer.WaitForExit(1500ms)) << "the renderer ended by itself or on a jitter";
    Xdotool(input);
    EXPECT_EQ(renderer.WaitForExit(15s), 0) << "the renderer did not end cleanly";
    EXPECT_FALSE(screen_->WindowShown(kRendererTitle));
  }
};

TEST_F(RendererTest, ShowsTheRainWithOrWithoutOpenGLOrAModelAndEndsOnInput) {
  const fs::path staged = StagingFolder() / "3dOrvane.x";
  const std::string model = ReadFile(DistFolder(PrimaryBuild()) / "3dOrvane.x");
  std::string corrupted = model;
  corrupted.replace(corrupted.size() / 3, 64, std::string(64, '}'));
  const struct {
    const char* what;
    const std::string& model;
    const char* dllOverrides;
    std::vector<std::string> input;
  } cases[] = {
      {"the shipped model", model, "", {"mousemove_relative", "--", "20", "0"}},
      {"without OpenGL, in 2-D", model, "opengl32=", {"key", "a"}},
      {"a corrupted model", corrupted, "", {"click", "3"}},
  };
  int shots = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    fs::create_directories(StagingFolder());
    std::ofstream(staged, std::ios::binary) << c.model;
    ChildProcess renderer = StartRenderer(PrimaryBuild(), c.dllOverrides);
    const SceneLook look =
        LookAtScreen(OutputFolder() / ("scene" + std::to_string(++shots) + ".png"));
    EXPECT_TRUE(look.rain);
    if (&c.model == &corrupted) {
      EXPECT_FALSE(look.model) << "a model where none could be read";
    }
    ExpectToEndOnlyOn(renderer, c.input);
  }
}

// Whole saver runs with the program folder as it ships.
class SaverWithRendererTest : public RendererE2eTest {
 protected:
  // Runs the chosen build until its scene shows, then ends the run with `input`: the renderer
  // ends, and the saver notices, removes the staged files and ends. (That the renderer's
  // process ends with its window is the renderer's own test.)
  void RunUntilTheSceneThenEndWith(Build build, const std::vector<std::string>& input) {
    const fs::path program = MakeProgramFolder(Shipped{false, false}, build);
    for (const char* file : {"3dOrvane.dll", "3dOrvane.x"}) {
      fs::copy_file(DistFolder(build) / file, program / file);
    }
    ChildProcess saver = StartScreenSaver(program, {"/s"});
    ASSERT_TRUE(WaitForRendererWindow(60s)) << "the renderer's window never showed";

    // The primary build's is kept after the run: the README's picture of the scene.
    const SceneLook look = LookAtScreen(build == PrimaryBuild()
                                            ? kOutputFolder / "renderer-scene.png"
                                            : OutputFolder() / "scene.png");
    EXPECT_TRUE(look.rain);
    EXPECT_TRUE(look.model);
    EXPECT_EQ(ReadFile(StagingFolder() / "3dOrvane.x"), ReadFile(program / "3dOrvane.x"));
    EXPECT_FALSE(saver.HasEnded());

    Xdotool(input);

    EXPECT_EQ(saver.WaitForExit(20s), 0) << "the saver did not end after the renderer";
    EXPECT_FALSE(screen_->WindowShown(kRendererTitle));
    EXPECT_FALSE(fs::exists(StagingFolder() / "3dOrvane.x") ||
                 fs::exists(StagingFolder() / "3dOrvane.bmp")) << "staged files were left behind";
  }
};

TEST_F(SaverWithRendererTest, AfterTheEffectTheSceneShowsAndAMouseMoveEndsTheWholeRun) {
  RunUntilTheSceneThenEndWith(PrimaryBuild(), {"mousemove_relative", "--", "40", "25"});
}

TEST_F(SaverWithRendererTest, The64BitBuildRunsTheSameWayAndAKeyEndsIt) {
  SKIP_WHERE_64_BIT_IS_PRIMARY();
  RunUntilTheSceneThenEndWith(Build::k64Bit, {"key", "Return"});
}

}  // namespace
}  // namespace orvane::e2e
