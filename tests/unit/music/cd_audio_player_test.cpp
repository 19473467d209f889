#include "music/cd_audio_player.h"

#include <gtest/gtest.h>

#include "fakes/fake_multimedia.h"

namespace orvane::music {
namespace {

using Calls = std::vector<std::wstring>;

const Calls kThreeQueries{L"mci status cdaudio current track [512]",
                          L"mci status cdaudio number of tracks [512]",
                          L"mci status cdaudio mode [255]"};

class CdAudioPlayerTest : public ::testing::Test {
 protected:
  // One watchdog run that finds the drive in `mode` on `track` of a 12-track disc.
  void Poll(const std::wstring& track, const std::wstring& mode) {
    mci.Script(L"status cdaudio current track", {0, track});
    mci.Script(L"status cdaudio number of tracks", {0, L"12"});
    mci.Script(L"status cdaudio mode", {0, mode});
    mci.calls.clear();
    player.PollCdAudio();
  }
  static Calls QueriesThen(const Calls& more) {
    Calls calls = kThreeQueries;
    calls.insert(calls.end(), more.begin(), more.end());
    return calls;
  }

  testing::FakeMultimedia mci;
  settings::Settings settings;
  MciCommandLayer layer{mci};
  CdAudioPlayer player{mci, layer, settings};
};

TEST_F(CdAudioPlayerTest, OpensTheDriveInTracksMinutesSecondsFrames) {
  player.OpenCdAudio();
  player.CloseCdAudio();

  EXPECT_EQ(mci.calls, (Calls{L"mci open cdaudio [0]", L"mci set cdaudio time format tmsf [0]",
                              L"mci stop cdaudio [0]", L"mci close cdaudio [0]"}));
}

TEST_F(CdAudioPlayerTest, DiscModePlaysWhenStoppedAndOnlyQueriesWhilePlaying) {
  Poll(L"1", L"stopped");
  EXPECT_EQ(mci.calls, QueriesThen({L"mci play cdaudio [512]"}));
  EXPECT_TRUE(player.CdUsable());

  Poll(L"1", L"playing");
  EXPECT_EQ(mci.calls, kThreeQueries);
}

TEST_F(CdAudioPlayerTest, TrackModeJumpsBackToTheTrackWhenPlaybackLeavesIt) {
  settings.bgmRepeat = 3;
  mci.Script(L"status cdaudio position track 3", {0, L"03:00:00:00"});

  Poll(L"4", L"playing");

  EXPECT_EQ(mci.calls, QueriesThen({L"mci status cdaudio position track 3 [512]",
                                    L"mci play cdaudio from 03:00:00:00 [512]"}));
}

TEST_F(CdAudioPlayerTest, TrackModeLeavesTheTrackPlayingAndRestartsItWhenStopped) {
  settings.bgmRepeat = 3;

  Poll(L"3", L"playing");
  EXPECT_EQ(mci.calls, kThreeQueries);

  mci.Script(L"status cdaudio position track 3", {0, L"03:00:00:00"});
  Poll(L"3", L"stopped");
  EXPECT_EQ(mci.calls, QueriesThen({L"mci status cdaudio position track 3 [512]",
                                    L"mci play cdaudio from 03:00:00:00 [512]"}));
}

TEST_F(CdAudioPlayerTest, FirstFailedQueryMakesTheCdUnusable) {
  mci.Script(L"status cdaudio current track", {266, std::nullopt});
  player.PollCdAudio();
  EXPECT_FALSE(player.CdUsable());
  EXPECT_EQ(mci.calls, (Calls{L"mci status cdaudio current track [512]", L"error text 266 [256]"}));

  mci.Script(L"status cdaudio number of tracks", {275, std::nullopt});
  mci.calls.clear();
  player.PollCdAudio();
  EXPECT_FALSE(player.CdUsable());
  EXPECT_EQ(mci.calls.size(), 3u);
}

TEST_F(CdAudioPlayerTest, ErrorTextInAnyLetterCaseCounts) {
  mci.Script(L"status cdaudio current track", {0, L"error"});

  player.PollCdAudio();

  EXPECT_FALSE(player.CdUsable());
}

TEST_F(CdAudioPlayerTest, NonNumericTrackReplyEndsTrackModeButNotDiscMode) {
  Poll(L"?", L"playing");
  EXPECT_TRUE(player.CdUsable());

  settings.bgmRepeat = 3;
  Poll(L"?", L"playing");
  EXPECT_FALSE(player.CdUsable());
  EXPECT_EQ(mci.calls, kThreeQueries);
}

TEST_F(CdAudioPlayerTest, FailedModeQueryDecidesOnTheLastModeReply) {
  Poll(L"1", L"stopped");
  mci.Script(L"status cdaudio current track", {0, L"1"});
  mci.Script(L"status cdaudio mode", {263, std::nullopt});
  mci.calls.clear();

  player.PollCdAudio();

  EXPECT_EQ(mci.calls, QueriesThen({L"mci play cdaudio [512]"}));
}

TEST_F(CdAudioPlayerTest, TrackBeyondTheDiscKeepsTryingEveryRun) {
  settings.bgmRepeat = 20;
  mci.Script(L"status cdaudio position track 20", {277, std::nullopt});

  Poll(L"1", L"playing");

  EXPECT_TRUE(player.CdUsable());
  EXPECT_EQ(mci.calls.back(), L"mci play cdaudio from Error:277 [512]");
}

}  // namespace
}  // namespace orvane::music
