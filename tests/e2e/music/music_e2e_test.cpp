// The background music as it is heard: the music host plays it the way the saver window does,
// under Wine, into the session's sound server, and a recording of the server's output is
// checked for sound, gaps and pitch. Wine's audio starts up to a few seconds late, so the
// checks leave room for that and never rely on tight timings.
#include <filesystem>
#include <thread>

#include "build_paths.h"
#include "e2e_test.h"
#include "sound_recording.h"

namespace orvane::e2e {
namespace {

namespace fs = std::filesystem;

class MusicTest : public E2eTest {
 protected:
  ChildProcess StartHost(const std::vector<std::string>& arguments,
                         const std::vector<std::string>& overrides = {}) {
    return WineSession::Current().Start(TestTools(PrimaryBuild()) / "music_host.exe", arguments,
                                        OutputFolder() / ("music-host-" + arguments[0] + ".log"),
                                        overrides);
  }
  // A tone in the test's folder, made by sox: one or more "seconds frequency" parts in a row.
  fs::path MakeTone(const std::string& name, const std::vector<std::pair<int, int>>& parts) {
    std::vector<std::string> command{"sox"};
    for (std::size_t i = 0; i < parts.size(); ++i) {
      const fs::path part = OutputFolder() / ("part" + std::to_string(i) + ".wav");
      RunOnLinux({"sox", "-n", "-r", "44100", "-c", "2", part.string(), "synth",
                  std::to_string(parts[i].first), "sine", std::to_string(parts[i].second), "vol",
                  "0.5"});
      command.push_back(part.string());
    }
    command.push_back((OutputFolder() / name).string());
    RunOnLinux(command);
    return OutputFolder() / name;
  }
};

TEST_F(MusicTest, Mp3PlaysThroughAndStartsAgainFromTheBeginning) {
  // A rising tone, so the restart shows by its first pitch.
  const fs::path tone = MakeTone("tune.mp3", {{1, 660}, {1, 880}});
  SoundRecording recording(OutputFolder() / "recording.raw");

  ChildProcess host = StartHost({"mp3", WindowsPath(tone), "9"});
  ASSERT_EQ(host.WaitForExit(30s), 0);
  std::this_thread::sleep_for(1500ms);
  recording.Stop();

  EXPECT_NE(host.Output().find("closed"), std::string::npos) << host.Output();
  const auto spans = recording.Spans();
  ASSERT_GE(spans.size(), 2u) << "the MP3 was not heard twice: " << recording.Describe();
  const SoundSpan first = spans[0];
  const SoundSpan second = spans[1];
  EXPECT_GE(first.Length(), 1.8) << "the first play-through was cut short";
  EXPECT_NEAR(recording.Frequency(first.start + 0.2, first.start + 0.8), 660, 15);
  EXPECT_NEAR(recording.Frequency(first.end - 0.8, first.end - 0.2), 880, 15);
  EXPECT_LE(second.start - first.end, 2.5) << "the restart came too late";
  EXPECT_NEAR(recording.Frequency(second.start + 0.1, second.start + 0.5), 660, 15)
      << "the restart did not begin at the start of the file";
  EXPECT_LE(spans.back().end, recording.Seconds() - 1.0) << "the sound went on after CloseMp3";
}

// (A looping WAV is heard in the saver run's own test.)
TEST_F(MusicTest, WithoutAWaveDeviceNothingIsHeardAndWithoutACdDriveTheCdIsGivenUp) {
  const fs::path tone = MakeTone("loop.wav", {{1, 440}});
  SoundRecording recording(OutputFolder() / "recording.raw");

  ChildProcess wav = StartHost({"wav", WindowsPath(tone), "2"}, {"PULSE_SERVER=unix:/nonexistent"});
  ASSERT_EQ(wav.WaitForExit(30s), 0);
  recording.Stop();
  EXPECT_EQ(wav.Output(), "wave devices 0\nstopped\n");
  EXPECT_TRUE(recording.Spans().empty()) << recording.Describe();

  ChildProcess cd = StartHost({"cd", "3", "2"});
  ASSERT_EQ(cd.WaitForExit(30s), 0);
  // One run, then no more polling, and the device is not closed.
  EXPECT_EQ(cd.Output(), "polls 1\n");
}

}  // namespace
}  // namespace orvane::e2e
