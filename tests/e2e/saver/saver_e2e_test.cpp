// Whole saver runs under Wine, watched the way a user sees them: the desktop picture, the
// crack and the slide on the X display, the renderer (the test renderer standing in for it)
// taking over, the staged files, and the process ending.
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

#include "build_paths.h"
#include "e2e_test.h"
#include "sound_recording.h"
#include "x_screen.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

constexpr Rgb kRendererColour{0, 160, 80};  // what the test renderer's window shows
constexpr Rgb kBlack{0, 0, 0};
const std::string kSaverTitle = "3dOrvane_Main";
const std::string kRendererTitle = "3dOrvane_VC";

// A desktop picture in which every pixel tells its column, so a moved part shows how far it
// moved: red is the column's low byte, green steps with its high byte; nothing is black.
ScreenImage ColumnPattern(int width, int height) {
  ScreenImage image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.Set(x, y, {x & 0xFF, 32 + (x >> 8) * 48, y & 0x7F});
  }
  return image;
}

// The column a pattern pixel came from; -1 for black or anything else.
int ColumnOf(const Rgb& pixel) {
  if (pixel.green < 32 || (pixel.green - 32) % 48 != 0) return -1;
  return (pixel.green - 32) / 48 * 256 + pixel.red;
}

bool AllPixels(const ScreenImage& image, const Rgb& colour) {
  for (int y = 0; y < image.height(); y += 16) {
    for (int x = 0; x < image.width(); x += 16) {
      if (image.At(x, y) != colour) return false;
    }
  }
  return true;
}

// How far the two parts of row y have moved apart, when the row shows a frame of the slide:
// its left edge shows the column `shift` further right, its right edge the column `shift`
// further left, with a black gap of twice the shift between them, and a part that has slid off
// the screen leaves its edge black. 0 when both edges are black, -1 for any other row.
int SlideShiftOfRow(const ScreenImage& image, int y) {
  const int last = image.width() - 1;
  const Rgb left = image.At(0, y);
  const Rgb right = image.At(last, y);
  const int leftShift = left == kBlack ? 0 : ColumnOf(left);
  const int rightColumn = right == kBlack ? last : ColumnOf(right);
  if (leftShift < 0 || rightColumn < 0) return -1;
  const int rightShift = last - rightColumn;
  if (leftShift == 0 || rightShift == 0) {
    // A part has gone; an unmoved desktop shows neither black edge.
    return left == kBlack || right == kBlack ? std::max(leftShift, rightShift) : -1;
  }
  if (leftShift != rightShift) return -1;
  int black = 0;
  for (int x = 0; x <= last; ++x) black += image.At(x, y) == kBlack ? 1 : 0;
  return std::abs(black - 2 * leftShift) <= 2 ? leftShift : -1;
}

// The shift of a frame of the slide: the same in every band that still shows a part; 0 when
// the picture is no such frame.
int SlideShift(const ScreenImage& image) {
  int shift = 0;
  for (int y = 1; y < image.height(); y += 2) {
    const int rowShift = SlideShiftOfRow(image, y);
    if (rowShift < 0 || (rowShift > 0 && shift > 0 && rowShift != shift)) return 0;
    shift = std::max(shift, rowShift);
  }
  return shift;
}

// Which frame of the slide has moved the parts `shift` pixels apart: each moves 2.1 pixels in
// the first frame and 0.1 pixel more in every frame after, rounded to whole pixels.
int FrameOfShift(int shift) {
  int frame = 0;
  double step = 2.1;
  for (double moved = step; moved <= shift + 0.5; moved += step) {
    ++frame;
    step += 0.1;
  }
  return frame;
}

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

class SaverRunTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    screen_ = std::make_unique<XScreen>(WineSession::Current().Variable("DISPLAY"));
    // A renderer window of an earlier test may take a moment to go under Wine.
    ASSERT_TRUE(WaitForWindow(kRendererTitle, false, 20s)) << "a renderer window was left over";
  }
  // A program folder with the test renderer as the renderer, told what to do by `script`.
  fs::path MakeRunFolder(const std::string& script, const std::string& name = "program") {
    const fs::path program = MakeProgramFolder(Shipped{false, true}, PrimaryBuild(), name);
    fs::copy_file(TestTools(PrimaryBuild()) / "test_renderer.exe", program / "3dOrvane.dll");
    std::ofstream(program / "renderer-script.txt") << script;
    std::ofstream model(program / "3dOrvane.x", std::ios::binary);
    model << "xof 0303txt 0032\n";
    for (int i = 0; i < 5000; ++i) model.put(static_cast<char>(i * 7));
    return program;
  }
  // Waits for a window with this title to be shown (or, with `shown` false, to go).
  bool WaitForWindow(const std::string& title, bool shown, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
      if (screen_->WindowShown(title) == shown) return true;
      std::this_thread::sleep_for(10ms);
    }
    return false;
  }
  // Posts WM_CLOSE to the window, as another program or the session's end would.
  void CloseWindow(const std::string& title) {
    ChildProcess closer = WineSession::Current().Start(ProbeProgram(), {"close", title},
                                                       OutputFolder() / ("close-" + title + ".log"));
    EXPECT_EQ(closer.WaitForExit(30s), 0) << "no window titled " << title;
  }
  bool StagedFilesExist() const {
    return fs::exists(StagingFolder() / "3dOrvane.x") || fs::exists(StagingFolder() / "3dOrvane.bmp");
  }
  void ExpectCleanEnd(ChildProcess& saver, std::chrono::milliseconds within) {
    EXPECT_EQ(saver.WaitForExit(within), 0) << "the saver did not end";
    EXPECT_FALSE(StagedFilesExist()) << "staged files were left behind";
    EXPECT_TRUE(fs::is_directory(StagingFolder())) << "the staging folder went too";
  }

  std::unique_ptr<XScreen> screen_;
};

TEST_F(SaverRunTest, ShowsTheDesktopTearsItApartAndHandsOverToTheRenderer) {
  const ScreenImage desktop = ColumnPattern(screen_->Width(), screen_->Height());
  screen_->SetDesktopPicture(desktop);
  const fs::path program = MakeRunFolder("keep 2000\n");

  // Looked at the way a person sees it: a picture every 50 ms or so. Each frame of the slide
  // is kept with the time it was first seen.
  std::vector<int> shifts;
  std::vector<std::chrono::steady_clock::time_point> firstSeen;
  std::vector<ScreenImage> slideFrames;
  bool rendererShown = false;
  ChildProcess saver = StartScreenSaver(program, {"/s"});
  const auto start = std::chrono::steady_clock::now();
  for (auto next = start; !rendererShown && next < start + 30s && !saver.HasEnded(); next += 50ms) {
    std::this_thread::sleep_until(next);
    const auto at = std::chrono::steady_clock::now();
    ScreenImage frame = screen_->Capture();
    const int shift = SlideShift(frame);
    if (shift > 0 && (shifts.empty() || shift > shifts.back())) {
      shifts.push_back(shift);
      firstSeen.push_back(at);
      slideFrames.push_back(std::move(frame));
    } else if (shift == 0) {
      rendererShown = AllPixels(frame, kRendererColour);
    }
  }

  std::cout << "slide frames seen with shifts:";
  for (const int shift : shifts) std::cout << " " << shift;
  std::cout << "\n";
  ASSERT_FALSE(shifts.empty()) << "the slide was not seen: the snapshot is not the desktop, "
                                  "or the parts did not move apart";
  EXPECT_GE(shifts.size(), 10u) << "too few frames of the slide reached the screen";
  EXPECT_TRUE(rendererShown) << "the renderer's window did not follow";
  ExpectCleanEnd(saver, 10s);

  // Each frame stays on the screen for one refresh, 1/60 s on the rig's display as Wine
  // reports it. (The slide's last frame stays until the renderer has started, so the time is
  // taken from the first frame seen to the last one.)
  const int frames = FrameOfShift(shifts.back()) - FrameOfShift(shifts.front());
  const double slideMs =
      std::chrono::duration<double, std::milli>(firstSeen.back() - firstSeen.front()).count();
  const double expectedMs = frames * 1000.0 / 60;
  std::cout << frames << " frames of the slide seen in " << slideMs << " ms, " << expectedMs
            << " ms at one refresh each\n";
  EXPECT_NEAR(slideMs, expectedMs, expectedMs * 0.1) << "the frames were not held one refresh each";

  // The first frame caught shows the crack best, a later one the slide; README shows both.
  slideFrames.front().SavePng(kOutputFolder / "saver-crack.png");
  slideFrames[slideFrames.size() / 2].SavePng(kOutputFolder / "saver-slide.png");
}

TEST_F(SaverRunTest, WhileTheRendererRunsItsFilesAreStagedAndTheSaverWaitsHidden) {
  const fs::path program = MakeRunFolder("keep 4000\n");
  ChildProcess saver = StartScreenSaver(program, {"/s"});
  ASSERT_TRUE(WaitForWindow(kRendererTitle, true, 30s));

  EXPECT_EQ(ReadFile(StagingFolder() / "3dOrvane.x"), ReadFile(program / "3dOrvane.x"));
  const std::string bitmap = ReadFile(StagingFolder() / "3dOrvane.bmp");
  ASSERT_GE(bitmap.size(), 54u);
  EXPECT_EQ(bitmap.substr(0, 2), "BM");
  EXPECT_EQ(bitmap.substr(18, 8), std::string("\x80\0\0\0\x80\0\0\0", 8)) << "not 128 x 128";
  bool hiddenSaverWindow = false;
  for (const WindowInfo& window : probe().Windows()) {
    if (window.title == kSaverTitle) hiddenSaverWindow = !window.visible;
  }
  EXPECT_TRUE(hiddenSaverWindow) << "the saver window should wait, hidden";
  ChildProcess second = StartScreenSaver(program, {"/s"});
  EXPECT_EQ(second.WaitForExit(10s), 0) << "a second copy started beside the run";

  ASSERT_TRUE(WaitForWindow(kRendererTitle, false, 30s));
  const auto rendererGone = std::chrono::steady_clock::now();
  ExpectCleanEnd(saver, 5s);
  const auto lag = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - rendererGone);
  EXPECT_LE(lag.count(), 1500) << "the saver took too long to notice the renderer had gone";
  std::cout << "saver ended " << lag.count() << " ms after the renderer's window went\n";

  const std::string record = ReadFile(program / "renderer-record.txt");
  EXPECT_NE(record.find("command line\t" + WindowsPath(program / "3dOrvane.dll") + "\n"),
            std::string::npos) << record;
  EXPECT_NE(record.find("texture\t49206 bytes"), std::string::npos) << record;
}

TEST_F(SaverRunTest, CloseFromOutsideRightAfterTheStartCleansUp) {
  // The close lands during the effect or just after it, as the machine's load decides; the
  // run must end cleanly either way (the effect's own early stop is a unit test).
  const fs::path program = MakeRunFolder("keep 500\n");
  ChildProcess saver = StartScreenSaver(program, {"/s"});
  ASSERT_TRUE(WaitForWindow(kSaverTitle, true, 30s));

  CloseWindow(kSaverTitle);

  ExpectCleanEnd(saver, 10s);
}

TEST_F(SaverRunTest, CloseFromOutsideWhileTheRendererRunsCleansUpAndLeavesTheRenderer) {
  const fs::path program = MakeRunFolder("keep 20000\n");
  ChildProcess saver = StartScreenSaver(program, {"/s"});
  ASSERT_TRUE(WaitForWindow(kRendererTitle, true, 30s));

  CloseWindow(kSaverTitle);

  ExpectCleanEnd(saver, 10s);
  EXPECT_TRUE(screen_->WindowShown(kRendererTitle));
  CloseWindow(kRendererTitle);
}

TEST_F(SaverRunTest, RendererInAFolderWithABlankIsStartedAndNoOtherProgram) {
  const fs::path decoyFolder = OutputFolder();
  const fs::path program = MakeRunFolder("keep 500\n", "my saver");
  // An unquoted command line would run "my.exe" from the folder above instead.
  fs::copy_file(TestTools(PrimaryBuild()) / "test_renderer.exe", decoyFolder / "my.exe");
  std::ofstream(decoyFolder / "renderer-script.txt") << "keep 500\n";

  ChildProcess saver = StartScreenSaver(program, {"/s"});

  ExpectCleanEnd(saver, 30s);
  EXPECT_FALSE(fs::exists(decoyFolder / "renderer-record.txt")) << "the decoy was started";
  EXPECT_NE(ReadFile(program / "renderer-record.txt")
                .find("command line\t" + WindowsPath(program / "3dOrvane.dll") + "\n"),
            std::string::npos);
}

TEST_F(SaverRunTest, RendererThatEndsWithoutAWindowEndsTheRun) {
  const fs::path program = MakeRunFolder("window no\nkeep 300\n");

  ChildProcess saver = StartScreenSaver(program, {"/s"});

  ExpectCleanEnd(saver, 15s);
}

TEST_F(SaverRunTest, RendererThatShowsNoWindowIn30SecondsIsGivenUpAndEnded) {
  // Its window would come five seconds after the saver has given up on it.
  const fs::path program = MakeRunFolder("delay 35000\nkeep 3000\n");
  ChildProcess saver = StartScreenSaver(program, {"/s"});

  EXPECT_FALSE(saver.WaitForExit(25s)) << "gave up on the renderer too early";
  ExpectCleanEnd(saver, 15s);
  EXPECT_FALSE(WaitForWindow(kRendererTitle, true, 10s))
      << "the renderer was left running and opened its window over an ended run";
}

TEST_F(SaverRunTest, RendererDeletedAfterTheStartUpCheckEndsTheRunCleanly) {
  const fs::path program = MakeRunFolder("keep 2000\n");
  ChildProcess saver = StartScreenSaver(program, {"/s"});
  ASSERT_TRUE(WaitForWindow(kSaverTitle, true, 30s));

  fs::remove(program / "3dOrvane.dll");

  ExpectCleanEnd(saver, 15s);
  EXPECT_FALSE(fs::exists(program / "renderer-record.txt")) << "the renderer ran after all";
}

TEST_F(SaverRunTest, ChosenMusicPlaysThroughTheRunAndStopsWithIt) {
  const fs::path program = MakeRunFolder("keep 4000\n");
  RunOnLinux({"sox", "-n", "-r", "44100", "-c", "2", (program / "loop.wav").string(), "synth", "1",
              "sine", "440", "vol", "0.5"});
  // Music source 2 (a music file) in the settings file, keys in code page 932.
  std::ofstream(program / "3dOrvane.ini", std::ios::binary)
      << "[Section]\r\nBGM\x8b\xe6\x95\xaa=2\r\nBGM\xd8\xcb\xdf\xb0\xc4=0\r\nBGM\xcc\xa7\xb2\xd9="
      << WindowsPath(program / "loop.wav") << "\r\n";
  SoundRecording recording(OutputFolder() / "recording.raw");

  ChildProcess saver = StartScreenSaver(program, {"/s"});
  ExpectCleanEnd(saver, 30s);
  std::this_thread::sleep_for(1500ms);
  recording.Stop();

  std::cout << recording.Describe() << "\n";
  const auto spans = recording.Spans();
  ASSERT_EQ(spans.size(), 1u) << "the music did not play without a break";
  EXPECT_GE(spans[0].Length(), 3.0) << "the music did not last through the renderer's run";
  EXPECT_LE(spans[0].end, recording.Seconds() - 1.0) << "the music went on after the run";
}

TEST(BuiltScreenSaver, LeavesItsAwarenessOfTheDisplaysDotsPerInchToTheModeItRunsIn) {
  // A manifest's setting would hold before the program could choose, and on systems older
  // than Windows 10 the dialog could not then ask to be scaled.
  for (const fs::path& dist : {DistFolder(Build::k32Bit), DistFolder(Build::k64Bit)}) {
    const std::string program = ReadFile(dist / "3dOrvane.scr");
    EXPECT_NE(program.find("<assembly"), std::string::npos) << dist << " has no manifest";
    EXPECT_EQ(program.find("<dpiAware"), std::string::npos) << dist;
  }
}

}  // namespace
}  // namespace orvane::e2e
