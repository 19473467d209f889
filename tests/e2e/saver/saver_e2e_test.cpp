// A whole saver run under Wine with the probe standing in for the renderer, watched the way
// a user meets it: the desktop picture, the crack and the slide on the X display, the renderer
// taking over, the staged files, the process ending, and the music as it is heard: recorded from
// the session's sound server. Wine's audio starts up to a few seconds late; the checks allow it.
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "e2e_test.h"
#include "screen_checks.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

// What is heard in a recording of mono 16-bit samples at 8000 Hz, in 20 ms windows louder than
// a quiet threshold, in seconds: how long in all, until when, and the recording's length.
struct Heard { double total = 0, lastEnd = 0, seconds = 0; };

Heard HeardIn(const std::string& bytes) {
  constexpr std::size_t kWindow = 160;
  Heard heard{0, 0, bytes.size() / 2 / 8000.0};
  for (std::size_t first = 0; 2 * (first + kWindow) <= bytes.size(); first += kWindow) {
    double sum = 0;
    for (std::size_t i = first; i < first + kWindow; ++i) {
      const double sample = std::int16_t(std::uint8_t(bytes[2 * i]) | std::uint8_t(bytes[2 * i + 1]) << 8);
      sum += sample * sample;
    }
    if (std::sqrt(sum / kWindow) < 1000) continue;
    heard.total += kWindow / 8000.0;
    heard.lastEnd = (first + kWindow) / 8000.0;
  }
  return heard;
}

using SaverRunTest = E2eTest;

TEST_F(SaverRunTest, TearsTheDesktopApartHandsOverToTheRendererAndEndsWithItAndItsMusic) {
  const int width = screen().Width(), height = screen().Height();
  screen().SetDesktopPicture(UserDesktop(width, height, {{0, 0, width, height}}));
  // A run on an English Windows, whose code page holds neither the program folder's name nor
  // the music file's. The probe as the renderer, in a folder with a blank: an unquoted
  // command line would run "my.exe" from the folder above. The music is a two-second tone made
  // by sox, chosen as the music file with track 3, its Japanese name stored in code page 932.
  const fs::path program = MakeProgramFolder(Shipped{false, false}, PrimaryBuild(), "my セーバー");
  // Each frame of the effect is held until the refresh it is due for, and not ten times that.
  const int waitedMs = std::atoi(RunTool(TestTools(PrimaryBuild()) / "probe.exe", {"refresh"}).c_str());
  EXPECT_TRUE(waitedMs >= 95 && waitedMs < 500) << "a wait for a refresh due in 100 ms took " << waitedMs;
  const fs::path standIn = TestTools(PrimaryBuild()) / "probe.exe";
  fs::copy_file(standIn, program / "3dOrvane.dll");
  fs::copy_file(standIn, OutputFolder() / "my.exe");
  std::ofstream(program / "3dOrvane.x", std::ios::binary) << std::string("xof 0303bin\0\x1a\r\n\xff\n\r", 18);
  RunOnLinux({"sox", "-n", "-r", "44100", "-c", "2", (OutputFolder() / "夜の曲.mp3").string(), "synth", "2",
              "sine", "440", "vol", "0.5"});
  std::ofstream(program / "3dOrvane.ini", std::ios::binary)
      << IniText("2", "3", WindowsPath(OutputFolder()) + "\\\x96\xe9\x82\xcc\x8b\xc8.mp3");
  // What the session's sound server plays, from its null sink's monitor; the server's clock
  // runs through silence, so a sample's index is its time.
  std::optional<ChildProcess> recording(std::in_place, std::vector<std::string>{"parec", "-d", "orvane.monitor",
      "--raw", "--format=s16le", "--rate=8000", "--channels=1", "--latency-msec=20"}, OutputFolder() / "recording.raw");
  // Connecting can take a while on a busy machine: anything played before would be cut short.
  ASSERT_TRUE(recording->WaitForOutput(std::string(1600, '\0'), 10s))
      << "not a tenth of a second of silence recorded";

  // Looked at the way a person sees it: a picture every 50 ms or so.
  std::vector<int> shifts;
  ChildProcess saver = StartScreenSaver(program, {"/s"}, kEnglishLocale);
  WatchTheEffect(saver, 50ms, [&](const Picture& frame) { return (AddNewShift(shifts, SlideShift(frame)), false); });
  // A busy machine catches fewer of the frames; a few show the parts moving apart all the same.
  ASSERT_GE(shifts.size(), 3u) << "too few frames of the slide: the snapshot is not the desktop, or it did not part";
  ASSERT_TRUE(WaitForWindow(kRendererTitle, true, 5s)) << "the renderer's window did not follow";

  // While the renderer runs: its inputs are staged, and a second copy started now ends at once.
  EXPECT_EQ(ReadBytes(StagingFolder() / "3dOrvane.x"), ReadBytes(program / "3dOrvane.x"));
  EXPECT_EQ(ReadBytes(StagingFolder() / "3dOrvane.bmp").size(), 54u + 128 * 128 * 3) << "no 128 x 128 glow texture";
  EXPECT_EQ(StartScreenSaver(program, {"/s"}).WaitForExit(10s), 0)
      << "a second copy started beside the run";

  ASSERT_TRUE(WaitForWindow(kRendererTitle, false, 30s));
  EXPECT_EQ(saver.WaitForExit(5s), 0) << "the saver did not end with the renderer";
  EXPECT_FALSE(fs::exists(StagingFolder() / "3dOrvane.x") || fs::exists(StagingFolder() / "3dOrvane.bmp"))
      << "staged files were left behind";
  EXPECT_TRUE(fs::is_directory(StagingFolder())) << "the staging folder went too";
  // A second and a half more of recording, by the sound server's clock, to hear the music stop.
  const auto recordedBytes = fs::file_size(OutputFolder() / "recording.raw") + 3 * 8000;
  Eventually([&] { return fs::file_size(OutputFolder() / "recording.raw") >= recordedBytes; }, 15s, 50ms);
  recording.reset();
  const Heard heard = HeardIn(ReadBytes(OutputFolder() / "recording.raw"));

  EXPECT_EQ(ReadBytes(program / "renderer-record.txt"),
            "command line\t" + WindowsPath(program / "3dOrvane.dll") + "\n");
  EXPECT_FALSE(fs::exists(OutputFolder() / "renderer-record.txt")) << "my.exe was started";
  // The two-second MP3 is heard, and heard again, for more than one play's length in all; it
  // stops with the run. A busy machine breaks Wine's sound up now and then, so what counts is
  // all that was heard, not the length of each play.
  EXPECT_GE(heard.total, 3.0) << "the MP3 was not heard again: " << heard.total << " s heard";
  EXPECT_LE(heard.lastEnd, heard.seconds - 1.0)
      << "the music went on after the run: heard until " << heard.lastEnd << " s of " << heard.seconds;
}

}  // namespace
}  // namespace orvane::e2e
