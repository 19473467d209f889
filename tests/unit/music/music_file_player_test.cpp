#include "music/music_file_player.h"

#include <gtest/gtest.h>

#include "fakes/fake_multimedia.h"

namespace orvane::music {
namespace {

// Steps one after another on one player of an MP3 whose path has a blank and a kanji in it.
TEST(MusicFilePlayer, TheMp3IsOpenedUnderItsAliasAndRestartedWheneverItIsFoundNotPlaying) {
  const std::wstring open = L"open \"C:\\My Music\\曲.mp3\" type MPEGVideo Alias MP3Play";
  const std::wstring status = L"mci status MP3Play mode [30]";
  const std::wstring stop = L"mci stop MP3Play [0]", restart = L"mci play MP3Play from 0 [0]";
  const wchar_t* const kFails = nullptr;
  const struct {
    void (MusicFilePlayer::*step)();
    const wchar_t* reply;  // to the open or the mode query, or kFails for an error
    std::vector<std::wstring> calls;
  } steps[] = {
      // After a failed open every tick tries a restart, quietly.
      {&MusicFilePlayer::OpenAndPlayMp3, kFails, {L"mci " + open + L" [0]"}},
      {&MusicFilePlayer::RestartMp3IfEnded, kFails, {status, stop, restart}},
      {&MusicFilePlayer::OpenAndPlayMp3, L"", {L"mci " + open + L" [0]", L"mci play MP3Play [0]"}},
      {&MusicFilePlayer::RestartMp3IfEnded, L"playing", {status}},
      // A failed mode query leaves the last reply to decide on.
      {&MusicFilePlayer::RestartMp3IfEnded, kFails, {status}},
      {&MusicFilePlayer::RestartMp3IfEnded, L"stopped", {status, stop, restart}},
      {&MusicFilePlayer::CloseMp3, L"", {stop, L"mci close MP3Play [0]"}},
  };
  testing::FakeMultimedia mci;
  settings::Settings settings{2, 0, L"C:\\My Music\\曲.mp3"};
  MusicFilePlayer player{mci, settings};
  for (const auto& step : steps) {
    const auto answer = step.reply ? testing::FakeMultimedia::Answer{0, step.reply}
                                   : testing::FakeMultimedia::Answer{263, std::nullopt};
    mci.Script(open, answer);
    mci.Script(L"status MP3Play mode", answer);
    mci.calls.clear();

    (player.*step.step)();

    EXPECT_EQ(mci.calls, step.calls) << &step - steps;
  }
}

// The loop itself is checked where the saver window starts and stops the music.
TEST(MusicFilePlayer, AWavIsNotPlayedWithoutAWaveDevice) {
  testing::FakeMultimedia mci;
  mci.waveDevices = 0;
  const settings::Settings settings{2, 0, L"D:\\loop.wav"};
  MusicFilePlayer(mci, settings).PlayWavLoop();
  EXPECT_EQ(mci.calls, std::vector<std::wstring>{L"waveOutGetNumDevs"});
}

}  // namespace
}  // namespace orvane::music
