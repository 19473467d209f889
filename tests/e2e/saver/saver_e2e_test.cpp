// Whole saver runs under Wine with the test renderer standing in for the renderer, watched the
// way a user meets them: the desktop picture, the crack and the slide on the X display, the
// renderer taking over, the staged files, the process ending, and the music as it is heard:
// recorded from the session's sound server. Wine's audio starts up to a few seconds late, so
// the checks on sound leave room for that.
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
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

// How far the two parts of row y have moved apart, when the row shows a frame of the slide:
// its left edge shows the column `shift` further right, its right edge the column `shift`
// further left, with a black gap of twice the shift between them; a part that has slid off
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

bool Covered(const ScreenImage& image, const Rgb& colour) {
  for (int y = 0; y < image.height(); y += 16) {
    for (int x = 0; x < image.width(); x += 16) {
      if (image.At(x, y) != colour) return false;
    }
  }
  return true;
}

std::string ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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
  fs::path MakeRunFolder(const std::string& script, const std::string& name) {
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
  // A tone of this many seconds, made by sox.
  void MakeTone(const fs::path& file, int seconds) {
    RunOnLinux({"sox", "-n", "-r", "44100", "-c", "2", file.string(), "synth",
                std::to_string(seconds), "sine", "440", "vol", "0.5"});
  }
  // Settings that choose music source `kind` (1 the audio CD, 2 a music file) with this track
  // and file, keys in code page 932.
  void WriteMusicSettings(const fs::path& program, int kind, int track, const std::string& file) {
    std::ofstream(program / "3dOrvane.ini", std::ios::binary)
        << "[Section]\r\nBGM\x8b\xe6\x95\xaa=" << kind << "\r\nBGM\xd8\xcb\xdf\xb0\xc4=" << track
        << "\r\nBGM\xcc\xa7\xb2\xd9=" << file << "\r\n";
  }
  void ExpectCleanEnd(ChildProcess& saver, std::chrono::milliseconds within) {
    EXPECT_EQ(saver.WaitForExit(within), 0) << "the saver did not end";
    EXPECT_FALSE(fs::exists(StagingFolder() / "3dOrvane.x") ||
                 fs::exists(StagingFolder() / "3dOrvane.bmp")) << "staged files were left behind";
    EXPECT_TRUE(fs::is_directory(StagingFolder())) << "the staging folder went too";
  }

  std::unique_ptr<XScreen> screen_;
};

TEST_F(SaverRunTest, TearsTheDesktopApartHandsOverToTheRendererAndEndsWithItAndItsMusic) {
  screen_->SetDesktopPicture(ColumnPattern(screen_->Width(), screen_->Height()));
  // In a folder with a blank: an unquoted command line would run "my.exe" from the folder above.
  const fs::path program = MakeRunFolder("keep 4000\n", "my saver");
  fs::copy_file(TestTools(PrimaryBuild()) / "test_renderer.exe", OutputFolder() / "my.exe");
  MakeTone(program / "loop.wav", 1);
  WriteMusicSettings(program, 2, 0, WindowsPath(program / "loop.wav"));
  SoundRecording recording(OutputFolder() / "recording.raw");

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
      rendererShown = Covered(frame, kRendererColour);
    }
  }
  ASSERT_FALSE(shifts.empty()) << "the slide was not seen: the snapshot is not the desktop, "
                                  "or the parts did not move apart";
  EXPECT_GE(shifts.size(), 10u) << "too few frames of the slide reached the screen";
  ASSERT_TRUE(rendererShown) << "the renderer's window did not follow";

  // While the renderer runs: its inputs are staged, the saver waits hidden, and a second copy
  // started now ends at once.
  EXPECT_EQ(ReadFile(StagingFolder() / "3dOrvane.x"), ReadFile(program / "3dOrvane.x"));
  const std::string bitmap = ReadFile(StagingFolder() / "3dOrvane.bmp");
  EXPECT_EQ(bitmap.size(), 54u + 128 * 128 * 3);
  EXPECT_EQ(bitmap.substr(0, 2), "BM");
  EXPECT_EQ(bitmap.substr(18, 8), std::string("\x80\0\0\0\x80\0\0\0", 8)) << "not 128 x 128";
  int hiddenSaverWindows = 0;
  for (const WindowInfo& window : probe().Windows()) {
    hiddenSaverWindows += window.title == kSaverTitle && !window.visible;
  }
  EXPECT_EQ(hiddenSaverWindows, 1) << "the saver window should wait, hidden";
  ChildProcess second = StartScreenSaver(program, {"/s"});
  EXPECT_EQ(second.WaitForExit(10s), 0) << "a second copy started beside the run";

  ASSERT_TRUE(WaitForWindow(kRendererTitle, false, 30s));
  const auto rendererGone = std::chrono::steady_clock::now();
  ExpectCleanEnd(saver, 5s);
  EXPECT_LE(std::chrono::steady_clock::now() - rendererGone, 1500ms)
      << "the saver took too long to notice the renderer had gone";
  std::this_thread::sleep_for(1500ms);
  recording.Stop();

  EXPECT_EQ(ReadFile(program / "renderer-record.txt"),
            "command line\t" + WindowsPath(program / "3dOrvane.dll") + "\n");
  EXPECT_FALSE(fs::exists(OutputFolder() / "renderer-record.txt")) << "my.exe was started";
  // The one-second file loops without a break through the run and stops with it.
  const auto spans = recording.Spans();
  ASSERT_EQ(spans.size(), 1u) << recording.Describe();
  EXPECT_GE(spans[0].Length(), 3.0) << recording.Describe();
  EXPECT_LE(spans[0].end, recording.Seconds() - 1.0) << "the music went on after the run";

  // Each frame stays on the screen for one refresh, 1/60 s on the rig's display as Wine
  // reports it. (The slide's last frame stays until the renderer has started, so the time is
  // taken from the first frame seen to the last one.)
  const int frames = FrameOfShift(shifts.back()) - FrameOfShift(shifts.front());
  const double slideMs =
      std::chrono::duration<double, std::milli>(firstSeen.back() - firstSeen.front()).count();
  const double expectedMs = frames * 1000.0 / 60;
  std::cout << frames << " frames of the slide seen in " << slideMs << " ms\n";
  EXPECT_NEAR(slideMs, expectedMs, expectedMs * 0.1) << "the frames were not held one refresh each";

  // The first frame caught shows the crack best, a later one the slide; README shows both.
  slideFrames.front().SavePng(kOutputFolder / "saver-crack.png");
  slideFrames[slideFrames.size() / 2].SavePng(kOutputFolder / "saver-slide.png");
}

TEST_F(SaverRunTest, ARunWhoseRendererFailsEndsCleanly) {
  enum class Act { kNothing, kDeleteTheRenderer, kCloseTheSaver, kWaitForTheGiveUp };
  const struct {
    const char* what;
    const char* script;
    Act act;
  } cases[] = {
      {"renderer deleted after the start-up check", "keep 2000\n", Act::kDeleteTheRenderer},
      {"renderer ends without a window", "window no\nkeep 300\n", Act::kNothing},
      {"saver closed from outside right after the start", "keep 500\n", Act::kCloseTheSaver},
      // Its window would come five seconds after the saver has given up on it.
      {"no renderer window within 30 seconds", "delay 35000\nkeep 3000\n", Act::kWaitForTheGiveUp},
  };
  int folders = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path program = MakeRunFolder(c.script, "program" + std::to_string(++folders));
    ChildProcess saver = StartScreenSaver(program, {"/s"});
    if (c.act == Act::kDeleteTheRenderer || c.act == Act::kCloseTheSaver) {
      ASSERT_TRUE(WaitForWindow(kSaverTitle, true, 30s));
      if (c.act == Act::kDeleteTheRenderer) fs::remove(program / "3dOrvane.dll");
      if (c.act == Act::kCloseTheSaver) {
        ASSERT_TRUE(probe().Close(kSaverTitle));
      }
    }
    if (c.act == Act::kWaitForTheGiveUp) {
      EXPECT_FALSE(saver.WaitForExit(25s)) << "gave up on the renderer too early";
    }
    ExpectCleanEnd(saver, 15s);
    if (c.act == Act::kDeleteTheRenderer) {
      EXPECT_FALSE(fs::exists(program / "renderer-record.txt")) << "the renderer ran after all";
    }
    if (c.act == Act::kWaitForTheGiveUp) {
      EXPECT_FALSE(WaitForWindow(kRendererTitle, true, 10s))
          << "the renderer was left running and opened its window over an ended run";
    }
  }
}

class MusicTest : public SaverRunTest {};

TEST_F(MusicTest, AnMp3PlaysThroughAndStartsAgainFromTheBeginningUntilTheRunEnds) {
  const fs::path program = MakeRunFolder("keep 7000\n", "program");
  MakeTone(program / "tune.mp3", 2);
  WriteMusicSettings(program, 2, 0, WindowsPath(program / "tune.mp3"));
  SoundRecording recording(OutputFolder() / "recording.raw");

  ChildProcess saver = StartScreenSaver(program, {"/s"});
  ExpectCleanEnd(saver, 40s);
  std::this_thread::sleep_for(1500ms);
  recording.Stop();

  // Heard whole, then whole again after a pause of at most the watch's second and Wine's lag.
  const auto spans = recording.Spans();
  ASSERT_GE(spans.size(), 2u) << "the MP3 was not heard twice: " << recording.Describe();
  for (int i : {0, 1}) EXPECT_GE(spans[i].Length(), 1.8) << recording.Describe();
  EXPECT_LE(spans[1].start - spans[0].end, 2.5) << "the restart came too late";
  EXPECT_LE(spans.back().end, recording.Seconds() - 1.0) << "the music went on after the run";
}

TEST_F(MusicTest, WithoutAWaveDeviceOrACdDriveTheRunIsSilentAndEndsAsUsual) {
  const struct {
    const char* what;
    int kind;
    std::vector<std::string> overrides;
  } cases[] = {
      {"a WAV without a wave device", 2, {"PULSE_SERVER=unix:/nonexistent"}},
      {"the audio CD without a drive", 1, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const fs::path program = MakeRunFolder("keep 1000\n", std::to_string(c.kind));
    MakeTone(program / "loop.wav", 1);
    WriteMusicSettings(program, c.kind, 3, WindowsPath(program / "loop.wav"));
    SoundRecording recording(OutputFolder() / (std::to_string(c.kind) + ".raw"));

    ChildProcess saver = WineSession::Current().Start(program / "3dOrvane.scr", {"/s"},
                                                      OutputFolder() / "saver.log", c.overrides);
    ExpectCleanEnd(saver, 30s);
    recording.Stop();
    EXPECT_TRUE(recording.Spans().empty()) << recording.Describe();
  }
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
