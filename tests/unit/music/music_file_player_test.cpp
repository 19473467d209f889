#include "music/music_file_player.h"

#include <gtest/gtest.h>

#include "fakes/fake_multimedia.h"
#include "music/music_file_type.h"

namespace orvane::music {
namespace {

using Calls = std::vector<std::wstring>;

class MusicFilePlayerTest : public ::testing::Test {
 protected:
  MusicFilePlayerTest() { settings.bgmFile = L"C:\\My Music\\曲.mp3"; }

  testing::FakeMultimedia mci;
  settings::Settings settings;
  MusicFilePlayer player{mci, settings};
};

TEST_F(MusicFilePlayerTest, OpensTheQuotedPathUnderItsAliasAndPlaysIt) {
  player.OpenAndPlayMp3();

  EXPECT_EQ(mci.calls, (Calls{L"mci open \"C:\\My Music\\曲.mp3\" type MPEGVideo Alias MP3Play [0]",
                              L"mci play MP3Play [0]"}));
}

TEST_F(MusicFilePlayerTest, FailedOpenPlaysNothing) {
  mci.Script(L"open \"C:\\My Music\\曲.mp3\" type MPEGVideo Alias MP3Play", {277, std::nullopt});

  player.OpenAndPlayMp3();

  EXPECT_EQ(mci.calls.size(), 1u);
}

TEST_F(MusicFilePlayerTest, PlayingMp3IsLeftAlone) {
  mci.Script(L"status MP3Play mode", {0, L"playing"});

  player.RestartMp3IfEnded();

  EXPECT_EQ(mci.calls, Calls{L"mci status MP3Play mode [30]"});
}

TEST_F(MusicFilePlayerTest, EndedMp3StartsAgainFromTheBeginning) {
  mci.Script(L"status MP3Play mode", {0, L"stopped"});

  player.RestartMp3IfEnded();

  EXPECT_EQ(mci.calls, (Calls{L"mci status MP3Play mode [30]", L"mci stop MP3Play [0]",
                              L"mci play MP3Play from 0 [0]"}));
}

TEST_F(MusicFilePlayerTest, FailedModeQueryDecidesOnTheLastReply) {
  mci.Script(L"status MP3Play mode", {0, L"playing"});
  mci.Script(L"status MP3Play mode", {263, std::nullopt});

  EXPECT_TRUE(player.IsMp3Playing());
  EXPECT_TRUE(player.IsMp3Playing());
}

TEST_F(MusicFilePlayerTest, AfterAFailedOpenEveryTickTriesARestartQuietly) {
  mci.Script(L"open \"C:\\My Music\\曲.mp3\" type MPEGVideo Alias MP3Play", {277, std::nullopt});
  mci.Script(L"status MP3Play mode", {263, std::nullopt});
  mci.Script(L"status MP3Play mode", {263, std::nullopt});
  player.OpenAndPlayMp3();
  mci.calls.clear();

  player.RestartMp3IfEnded();
  player.RestartMp3IfEnded();

  EXPECT_EQ(mci.calls, (Calls{L"mci status MP3Play mode [30]", L"mci stop MP3Play [0]",
                              L"mci play MP3Play from 0 [0]", L"mci status MP3Play mode [30]",
                              L"mci stop MP3Play [0]", L"mci play MP3Play from 0 [0]"}));
}

TEST_F(MusicFilePlayerTest, CloseStopsAndClosesEvenWhenNothingWasOpened) {
  player.CloseMp3();

  EXPECT_EQ(mci.calls, (Calls{L"mci stop MP3Play [0]", L"mci close MP3Play [0]"}));
}

TEST_F(MusicFilePlayerTest, WavIsLoopedAsynchronouslyAndStopped) {
  settings.bgmFile = L"D:\\loop.wav";

  player.PlayWavLoop();
  player.StopWav();

  EXPECT_EQ(mci.calls, (Calls{L"waveOutGetNumDevs", L"PlaySound(D:\\loop.wav, 9)",
                              L"PlaySound(NULL, 0)"}));
}

TEST_F(MusicFilePlayerTest, WithoutAWaveDeviceTheWavIsNotPlayed) {
  mci.waveDevices = 0;

  player.PlayWavLoop();

  EXPECT_EQ(mci.calls, Calls{L"waveOutGetNumDevs"});
}

TEST(MusicFileType, IsTheLastThreeCharactersUpperCased) {
  EXPECT_EQ(MusicFileType(L"D:\\a.wav"), L"WAV");
  EXPECT_EQ(MusicFileType(L"D:\\a.Mp3"), L"MP3");
  EXPECT_EQ(MusicFileType(L"D:\\amp3"), L"MP3");
  EXPECT_EQ(MusicFileType(L"D:\\a.mpeg"), L"PEG");
  EXPECT_EQ(MusicFileType(L"av"), L"AV");
}

}  // namespace
}  // namespace orvane::music
