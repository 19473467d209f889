// The renderer under Wine in whole saver runs of the builds as they ship, from a folder whose path
// holds blanks: after the effect the scene shows over the whole screen, with OpenGL or in 2-D
// without it; a jitter of the pointer leaves it running, and the user's own hand ends the run.
// DLLs planted beside the programs and in the working folder, under the names of those they
// use, are never loaded. While the scene runs, another program may read the staged files but
// neither rewrite nor delete them; a staging folder that links to another is left alone, the
// scene showing without the files. The renderer is a good guest: below normal priority, and
// idle while the session is locked.
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <utility>

#include "e2e_test.h"
#include "screen_checks.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

using Rows = std::vector<std::vector<std::string>>;

// The processor time a process of the session has had, in seconds.
double CpuSeconds(pid_t pid) {
  std::istringstream stat(ReadBytes("/proc/" + std::to_string(pid) + "/stat"));
  std::string field;
  unsigned long long ticks = 0;
  for (int i = 1; i <= 15 && stat >> field; ++i) {
    if (i >= 14) ticks += std::stoull(field);  // utime and stime
  }
  return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// A check of whether the screen has changed since the check last looked.
std::function<bool()> ScreenChanges(XScreen& screen) {
  return [&screen, last = screen.Capture()]() mutable {
    Picture now = screen.Capture();
    std::swap(now, last);
    return now.pixels != last.pixels;
  };
}

class RendererTest : public E2eTest {
 protected:
  // The renderer runs below normal priority, the saver at normal for its music. A session
  // lock stops its drawing: the screen stands still and the renderer costs next to nothing
  // until the unlock brings the animation back.
  void ExpectAGoodGuest() {
    EXPECT_EQ(probe().Priorities("3dOrvane.dll"), (Rows{{"4000"}}));
    EXPECT_EQ(probe().Priorities("3dOrvane.scr"), (Rows{{"20"}}));
    constexpr unsigned kSessionChange = 0x2B1, kLock = 7, kUnlock = 8;
    // Once the lock is handled no frame is drawn, so a screen that then holds still stays still,
    // however long the busy machine kept the renderer from drawing before.
    ASSERT_TRUE(probe().Send(kRendererTitle, kSessionChange, kLock));
    const auto screenChanges = ScreenChanges(screen());
    ASSERT_TRUE(Eventually([&] { return !screenChanges(); }, 10s, 200ms)) << "the scene went on while locked";
    const std::vector<pid_t> renderer = WineSession::Current().ProcessesWith("3dOrvane.dll");
    ASSERT_EQ(renderer.size(), 1u);
    const double cpuBefore = CpuSeconds(renderer[0]);
    const auto measureFrom = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(2s);  // the span the cost is measured over
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - measureFrom).count();
    EXPECT_LE((CpuSeconds(renderer[0]) - cpuBefore) / seconds, 0.02) << "the locked renderer kept working";
    EXPECT_FALSE(screenChanges()) << "the scene moved while locked";
    ASSERT_TRUE(probe().Send(kRendererTitle, kSessionChange, kUnlock));
    EXPECT_TRUE(Eventually(screenChanges, 10s, 50ms)) << "the unlock did not bring the scene back";
  }
};

TEST_F(RendererTest, AfterTheEffectTheSceneShowsWithOrWithoutOpenGLAndAMoveOrAKeyEndsTheRunOfEitherBuild) {
  const struct {
    std::string what;
    Build build;
    const char* dllOverrides;
    std::vector<std::string> input;
    bool stagingLinked = false;
  } runs[] = {
      {"with OpenGL", PrimaryBuild(), "", {"mousemove_relative", "--", "40", "25"}},
      {"without OpenGL, in 2-D", PrimaryBuild(), "opengl32=", {"key", "a"}},
      {"the staging folder a link to another", PrimaryBuild(), "", {"key", "b"}, true},
      {"the x86_64 build", Build::k64Bit, "", {"key", "Return"}},
  };
  for (const auto& run : runs) {
    // Where the x86_64 build is the only one, the first runs were of it.
    if (&run == &runs[3] && run.build == PrimaryBuild()) continue;
    SCOPED_TRACE(run.what);
    const fs::path program = OutputFolder() / run.what / "3dOrvane Saver";
    fs::create_directories(program.parent_path());
    fs::copy(DistFolder(run.build), program);
    const fs::path workingFolder = OutputFolder() / run.what / "Downloads";
    fs::create_directories(workingFolder);
    PlantRecordingDlls(run.build, {program, workingFolder});
    // Another folder, holding a model the scene would show, stands behind the staging folder.
    const fs::path linkedFolder = OutputFolder() / run.what / "elsewhere";
    if (run.stagingLinked) {
      fs::create_directories(linkedFolder);
      fs::copy_file(program / "3dOrvane.x", linkedFolder / "3dOrvane.x");
      std::ofstream(linkedFolder / "3dOrvane.bmp", std::ios::binary) << "theirs";
      fs::remove_all(StagingFolder());
      fs::create_directory_symlink(linkedFolder, StagingFolder());
    }
    // Away from the screen's edges, so that small moves are not cut short there.
    Xdotool({"mousemove", "512", "384"});
    const std::string dllOverrides = WineSession::Current().Variable("WINEDLLOVERRIDES") + ";" + run.dllOverrides;
    ChildProcess saver = StartScreenSaver(program, {"/s"}, {"WINEDLLOVERRIDES=" + dllOverrides}, workingFolder);

    // The rain, and with OpenGL the model with its glow; the first run's scene is kept after
    // the run: the README's picture of it.
    const bool withModel = !*run.dllOverrides && !run.stagingLinked;
    const Picture scene = WaitForScene([&](const Picture& screen) {
      const SceneLook look = LookAt(screen);
      return look.rain && look.model == withModel;
    });
    SaveBitmap(scene, &run == &runs[0] ? kOutputFolder / "renderer-scene.bmp" : OutputFolder() / run.what / "scene.bmp");
    std::vector<std::vector<int>> rectangles;
    for (const WindowInfo& w : probe().Windows()) {
      if (w.title == kRendererTitle) rectangles.push_back({w.left, w.top, w.right, w.bottom});
    }
    EXPECT_EQ(rectangles, (std::vector<std::vector<int>>{{0, 0, screen().Width(), screen().Height()}}))
        << "not one window over the whole screen";
    // The staged files stay as staged whatever another program tries.
    const std::string model = ReadBytes(program / "3dOrvane.x");
    if (!run.stagingLinked) {
      const std::string texture = ReadBytes(StagingFolder() / "3dOrvane.bmp");
      for (const char* file : {"C:\\v_orim\\3dOrvane.x", "C:\\v_orim\\3dOrvane.bmp"}) {
        EXPECT_EQ(probe().Tamper(file), (std::vector<std::vector<std::string>>{
                                            {"read", "yes"}, {"read sharing writes", "yes"}, {"write", "no"}, {"delete", "no"}}))
            << file;
      }
      EXPECT_EQ(ReadBytes(StagingFolder() / "3dOrvane.x"), model);
      EXPECT_EQ(ReadBytes(StagingFolder() / "3dOrvane.bmp"), texture);
    }

    // A jitter of a few pixels leaves the scene running: the rain moves with time, so three
    // changes of the screen are three frames, the last painted after the jitter was taken.
    Xdotool({"mousemove_relative", "--", "4", "-3"});
    int frames = 0;
    ASSERT_TRUE(Eventually([&, changes = ScreenChanges(screen())] { return (frames += changes()) == 3; }, 30s, 10ms))
        << "the scene stood still";
    EXPECT_TRUE(screen().WindowShown(kRendererTitle)) << "the scene ended on a jitter";
    if (&run == &runs[0]) ExpectAGoodGuest();
    Xdotool(run.input);
    EXPECT_EQ(saver.WaitForExit(20s), 0) << "the saver did not end after the renderer";
    EXPECT_TRUE(Eventually([] { return WineSession::Current().ProcessesWith("3dOrvane.dll").empty(); }, 15s))
        << "the renderer's process lived on";
    EXPECT_FALSE(screen().WindowShown(kRendererTitle));
    if (run.stagingLinked) {
      EXPECT_EQ(ReadBytes(linkedFolder / "3dOrvane.x"), model) << "the linked folder's files were touched";
      EXPECT_EQ(ReadBytes(linkedFolder / "3dOrvane.bmp"), "theirs");
      fs::remove(StagingFolder());
    }
    EXPECT_FALSE(fs::exists(StagingFolder() / "3dOrvane.x") || fs::exists(StagingFolder() / "3dOrvane.bmp"))
        << "staged files were left behind";
    EXPECT_EQ(PlantedDllLoads({program, workingFolder}), "");
  }
}

// Before any change to how the scene is drawn, the references hold what it showed.
TEST_F(RendererTest, TheSceneAtFixedMomentsLooksAsItsReferencePictures) { ExpectSceneAsItsReferences("one-monitor"); }

}  // namespace
}  // namespace orvane::e2e
