// The music players as the MCI sees them: the commands each step sends, answered as scripted.
#include <gtest/gtest.h>

#include "fakes/fake_platform.h"
#include "music/cd_audio_player.h"
#include "music/music_file_player.h"

namespace orvane::music {
namespace {

const wchar_t* const kFails = nullptr;

// The answer with `reply`, or an error when it is kFails.
testing::FakeMultimedia::Answer AnswerOf(const wchar_t* reply) {
  return reply ? testing::FakeMultimedia::Answer{0, reply} : testing::FakeMultimedia::Answer{277, std::nullopt};
}

// Watchdog runs one after another on one player, the disc in the drive answering each.
TEST(CdAudioPlayer, PlaysTheDiscOrJumpsBackToTheRepeatedTrackAndGivesUpAtTheFirstError) {
  const std::wstring track = L"mci status cdaudio current track [512]";
  const std::wstring count = L"mci status cdaudio number of tracks [512]";
  const std::wstring mode = L"mci status cdaudio mode [255]";
  const std::wstring playDisc = L"mci play cdaudio [512]";
  const std::wstring position3 = L"mci status cdaudio position track 3 [512]";
  const std::wstring playTrack3 = L"mci play cdaudio from 03:00:00:00 [512]";
  const struct {
    std::int16_t repeat;
    const wchar_t *track, *count, *mode;  // the replies, or kFails for an error
    std::vector<std::wstring> calls;
    bool usable;
  } runs[] = {
      {0, L"1", L"12", L"playing", {track, count, mode}, true},
      {0, L"1", L"12", L"stopped", {track, count, mode, playDisc}, true},
      // A failed mode query leaves the last reply to decide on.
      {0, L"1", L"12", kFails, {track, count, mode, playDisc}, true},
      {0, L"?", L"12", L"playing", {track, count, mode}, true},
      {3, L"4", L"12", L"playing", {track, count, mode, position3, playTrack3}, true},
      {3, L"3", L"12", L"playing", {track, count, mode}, true},
      {3, L"3", L"12", L"stopped", {track, count, mode, position3, playTrack3}, true},
      {3, L"?", L"12", L"playing", {track, count, mode}, false},
      // A track beyond the disc is given up on, as a missing disc is.
      {20, L"1", L"12", L"playing",
       {track, count, mode, L"mci status cdaudio position track 20 [512]", L"error text 277 [256]"}, false},
      {0, kFails, L"12", L"playing", {track, L"error text 277 [256]"}, false},
      {0, L"Error", L"12", L"playing", {track}, false},
      {0, L"1", kFails, L"playing", {track, count, L"error text 277 [256]"}, false},
  };
  testing::FakeMultimedia mci;
  settings::Settings settings;
  MciCommandLayer layer{mci};
  CdAudioPlayer player{mci, layer, settings};
  for (const auto& run : runs) {
    settings.bgmRepeat = run.repeat;
    mci.Script(L"status cdaudio current track", AnswerOf(run.track));
    mci.Script(L"status cdaudio number of tracks", AnswerOf(run.count));
    mci.Script(L"status cdaudio mode", AnswerOf(run.mode));
    mci.Script(L"status cdaudio position track 3", AnswerOf(L"03:00:00:00"));
    mci.Script(L"status cdaudio position track 20", AnswerOf(kFails));
    mci.calls.clear();

    player.PollCdAudio();

    EXPECT_EQ(mci.calls, run.calls) << &run - runs;
    EXPECT_EQ(player.CdUsable(), run.usable) << &run - runs;
  }
}

// Steps one after another on one player of an MP3 whose path has a blank and a kanji in it.
TEST(MusicFilePlayer, TheMp3IsOpenedUnderItsAliasAndRestartedWheneverItIsFoundNotPlaying) {
  const std::wstring open = L"open \"C:\\My Music\\曲.mp3\" type MPEGVideo Alias MP3Play";
  const std::wstring status = L"mci status MP3Play mode [30]";
  const std::wstring stop = L"mci stop MP3Play [0]", restart = L"mci play MP3Play from 0 [0]";
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
      // Without a wave device nothing is played (the saver window's tests see the loop itself).
      {&MusicFilePlayer::PlayWavLoop, L"", {L"waveOutGetNumDevs"}},
  };
  testing::FakeMultimedia mci;
  mci.waveDevices = 0;
  settings::Settings settings{settings::MusicSource::kMusicFile, 0, L"C:\\My Music\\曲.mp3"};
  MusicFilePlayer player{mci, settings};
  for (const auto& step : steps) {
    mci.Script(open, AnswerOf(step.reply));
    mci.Script(L"status MP3Play mode", AnswerOf(step.reply));
    mci.calls.clear();

    (player.*step.step)();

    EXPECT_EQ(mci.calls, step.calls) << &step - steps;
  }
}

}  // namespace
}  // namespace orvane::music
