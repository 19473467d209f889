#include "music/cd_audio_player.h"

#include <gtest/gtest.h>

#include "fakes/fake_multimedia.h"

namespace orvane::music {
namespace {

using Calls = std::vector<std::wstring>;

// Watchdog runs one after another on one player, the disc in the drive answering each.
TEST(CdAudioPlayer, PlaysTheDiscOrJumpsBackToTheRepeatedTrackAndGivesUpAtTheFirstError) {
  const std::wstring track = L"mci status cdaudio current track [512]";
  const std::wstring count = L"mci status cdaudio number of tracks [512]";
  const std::wstring mode = L"mci status cdaudio mode [255]";
  const std::wstring playDisc = L"mci play cdaudio [512]";
  const std::wstring position3 = L"mci status cdaudio position track 3 [512]";
  const std::wstring playTrack3 = L"mci play cdaudio from 03:00:00:00 [512]";
  const wchar_t* const kFails = nullptr;
  const struct {
    std::int16_t repeat;
    const wchar_t* track;  // the replies, or kFails for an error
    const wchar_t* count;
    const wchar_t* mode;
    Calls calls;
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
      // A track beyond the disc is tried again every run.
      {20, L"1", L"12", L"playing",
       {track, count, mode, L"mci status cdaudio position track 20 [512]", L"error text 277 [256]",
        L"mci play cdaudio from Error:277 [512]"},
       true},
      {0, kFails, L"12", L"playing", {track, L"error text 277 [256]"}, false},
      {0, L"Error", L"12", L"playing", {track}, false},
      {0, L"1", kFails, L"playing", {track, count, L"error text 277 [256]"}, false},
  };
  testing::FakeMultimedia mci;
  settings::Settings settings;
  MciCommandLayer layer{mci};
  CdAudioPlayer player{mci, layer, settings};
  const auto answer = [](const wchar_t* reply) {
    return reply ? testing::FakeMultimedia::Answer{0, reply} : testing::FakeMultimedia::Answer{277, {}};
  };
  for (const auto& run : runs) {
    settings.bgmRepeat = run.repeat;
    mci.Script(L"status cdaudio current track", answer(run.track));
    mci.Script(L"status cdaudio number of tracks", answer(run.count));
    mci.Script(L"status cdaudio mode", answer(run.mode));
    mci.Script(L"status cdaudio position track 3", answer(L"03:00:00:00"));
    mci.Script(L"status cdaudio position track 20", answer(kFails));
    mci.calls.clear();

    player.PollCdAudio();

    EXPECT_EQ(mci.calls, run.calls) << &run - runs;
    EXPECT_EQ(player.CdUsable(), run.usable) << &run - runs;
  }
}

}  // namespace
}  // namespace orvane::music
