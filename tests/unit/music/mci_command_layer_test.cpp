#include "music/mci_command_layer.h"

#include <gtest/gtest.h>

#include "fakes/fake_multimedia.h"

namespace orvane::music {
namespace {

using Calls = std::vector<std::wstring>;

class MciCommandLayerTest : public ::testing::Test {
 protected:
  testing::FakeMultimedia mci;
  MciCommandLayer layer{mci};
};

TEST_F(MciCommandLayerTest, SuccessfulCommandGivesItsReplyThrough512CharacterBuffer) {
  mci.Script(L"status cdaudio mode", {0, L"playing"});
  std::wstring result;

  EXPECT_EQ(layer.SendMciCommand(L"status cdaudio mode", result), 0);

  EXPECT_EQ(result, L"playing");
  EXPECT_EQ(mci.calls, Calls{L"mci status cdaudio mode [512]"});
}

TEST_F(MciCommandLayerTest, FailedCommandGivesTheCodeAndTheErrorDescription) {
  mci.Script(L"open cdaudio", {266, std::nullopt});
  std::wstring result;

  EXPECT_EQ(layer.SendMciCommand(L"open cdaudio", result), 266);

  EXPECT_EQ(result, L"The specified device is not open.");
  EXPECT_EQ(mci.calls, (Calls{L"mci open cdaudio [512]", L"error text 266 [256]"}));
}

TEST_F(MciCommandLayerTest, ErrorWithoutDescriptionSaysSo) {
  mci.Script(L"bogus", {999, std::nullopt});
  mci.errorDescription = std::nullopt;
  std::wstring result;

  EXPECT_EQ(layer.SendMciCommand(L"bogus", result), 999);

  EXPECT_EQ(result, L"Error (文字列が取れません)");
}

TEST_F(MciCommandLayerTest, EmptyCommandIsNotSent) {
  std::wstring result;

  EXPECT_EQ(layer.SendMciCommand(L"", result), -1);

  EXPECT_EQ(result, L"コマンド文字列が指定されていません");
  EXPECT_TRUE(mci.calls.empty());
}

TEST_F(MciCommandLayerTest, QueryGivesTheReplyOrErrorFollowedByTheCode) {
  mci.Script(L"status cdaudio current track", {0, L"12"});
  mci.Script(L"status cdaudio number of tracks", {275, std::nullopt});

  EXPECT_EQ(layer.QueryMci(L"status cdaudio current track"), L"12");
  EXPECT_EQ(layer.QueryMci(L"status cdaudio number of tracks"), L"Error:275");
  EXPECT_EQ(layer.MciResultText(), L"The specified device is not open.");
  EXPECT_EQ(layer.QueryMci(L""), L"Error:-1");
  EXPECT_EQ(layer.MciResultText(), L"コマンド文字列が指定されていません");
}

TEST_F(MciCommandLayerTest, ShorterReplyCarriesNothingOverFromALongerOne) {
  mci.Script(L"status cdaudio position track 3", {0, L"03:00:00:00"});
  mci.Script(L"status cdaudio current track", {0, L"4"});
  mci.Script(L"status cdaudio media present", {0, L""});

  layer.QueryMci(L"status cdaudio position track 3");

  EXPECT_EQ(layer.QueryMci(L"status cdaudio current track"), L"4");
  EXPECT_EQ(layer.QueryMci(L"status cdaudio media present"), L"");
}

TEST_F(MciCommandLayerTest, PlayCommandCarriesTheGivenPositionsOnly) {
  layer.PlayMciDevice(L"cdaudio", L"", L"");
  layer.PlayMciDevice(L"cdaudio", L"03:00:00:00", L"");
  layer.PlayMciDevice(L"cdaudio", L"", L"04");
  layer.PlayMciDevice(L"MP3Play", L"0", L"1000");

  EXPECT_EQ(mci.calls, (Calls{L"mci play cdaudio [512]", L"mci play cdaudio from 03:00:00:00 [512]",
                              L"mci play cdaudio to 04 [512]",
                              L"mci play MP3Play from 0 to 1000 [512]"}));
}

}  // namespace
}  // namespace orvane::music
