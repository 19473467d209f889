#include "settings/settings.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace orvane::settings {
namespace {

const std::wstring kIniFile = L"C:\\Program Files\\3dOrvane\\3dOrvane.ini";
const std::wstring kSong = L"D:\\Music\\song.mp3";

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetIni(const std::wstring& kind, const std::wstring& repeat, const std::wstring& file) {
    fake.iniValues[{L"Section", L"BGM区分"}] = kind;
    fake.iniValues[{L"Section", L"BGMﾘﾋﾟｰﾄ"}] = repeat;
    fake.iniValues[{L"Section", L"BGMﾌｧｲﾙ"}] = file;
  }
  Settings Load() {
    Settings settings;
    LoadSettings(fake.services, settings);
    return settings;
  }

  testing::FakePlatform fake;
};

TEST_F(SettingsFileTest, ReadsTheThreeKeysInOrderThrough256ByteBuffers) {
  fake.readableFiles.insert(kSong);
  SetIni(L" 2", L" 12", kSong);

  const Settings settings = Load();

  EXPECT_EQ(settings.bgmKind, 2);
  EXPECT_EQ(settings.bgmRepeat, 12);
  EXPECT_EQ(settings.bgmFile, kSong);
  EXPECT_EQ(fake.calls, (std::vector<std::wstring>{
                            L"ReadPrivateProfileValue(Section, BGM区分, , 256, " + kIniFile + L")",
                            L"ReadPrivateProfileValue(Section, BGMﾘﾋﾟｰﾄ, , 256, " + kIniFile + L")",
                            L"ReadPrivateProfileValue(Section, BGMﾌｧｲﾙ, , 256, " + kIniFile + L")",
                            L"CanOpenForReading(" + kSong + L")",
                        }));
}

TEST_F(SettingsFileTest, NoFileGivesSilence) {
  const Settings settings = Load();

  EXPECT_EQ(settings.bgmKind, 0);
  EXPECT_EQ(settings.bgmRepeat, 0);
  EXPECT_EQ(settings.bgmFile, L"");
}

TEST_F(SettingsFileTest, NumbersAreRoundedDownAndBadOnesKeepTheFieldAsItWas) {
  const struct {
    std::wstring text;
    std::int16_t expected;
  } cases[] = {{L"5", 5},   {L" 2", 2},    {L"1.9", 1}, {L"-0.5", -1},
               {L"abc", 0}, {L"40000", 0}, {L"", 0},    {L"-32768", -32768}};
  fake.readableFiles.insert(kSong);
  for (const auto& c : cases) {
    SetIni(c.text, c.text, kSong);
    const Settings settings = Load();
    EXPECT_EQ(settings.bgmKind, c.expected) << "case " << &c - cases;
    EXPECT_EQ(settings.bgmRepeat, c.expected) << "case " << &c - cases;
  }
}

TEST_F(SettingsFileTest, AFailedNumberLeavesTheValueThatWasThere) {
  Settings settings;
  settings.bgmKind = 1;
  settings.bgmRepeat = 7;
  SetIni(L"40000", L"x", L"");

  LoadSettings(fake.services, settings);

  EXPECT_EQ(settings.bgmKind, 1);
  EXPECT_EQ(settings.bgmRepeat, 7);
}

TEST_F(SettingsFileTest, MusicFileKindFallsBackToSilenceWithoutAnOpenableFile) {
  SetIni(L" 2", L" 0", L"");
  EXPECT_EQ(Load().bgmKind, 0);

  SetIni(L" 2", L" 0", kSong);
  const Settings settings = Load();
  EXPECT_EQ(settings.bgmKind, 0);
  EXPECT_EQ(settings.bgmFile, L"");
}

TEST_F(SettingsFileTest, AudioCdKindKeepsItsValueWhenTheFileIsDropped) {
  SetIni(L" 1", L" 3", kSong);

  const Settings settings = Load();

  EXPECT_EQ(settings.bgmKind, 1);
  EXPECT_EQ(settings.bgmRepeat, 3);
  EXPECT_EQ(settings.bgmFile, L"");
}

TEST_F(SettingsFileTest, PathWithTrailingBackslashIsTestedWithoutItButKeptAsRead) {
  fake.readableFiles.insert(kSong);
  SetIni(L" 2", L" 0", kSong + L"\\");

  const Settings settings = Load();

  EXPECT_EQ(settings.bgmKind, 2);
  EXPECT_EQ(settings.bgmFile, kSong + L"\\");
}

TEST_F(SettingsFileTest, ValuesLongerThan255BytesComeBackCut) {
  const std::wstring longPath = L"D:\\" + std::wstring(300, L'a') + L".mp3";
  fake.readableFiles.insert(longPath.substr(0, 255));
  SetIni(L" 2", L" 0", longPath);

  EXPECT_EQ(Load().bgmFile, longPath.substr(0, 255));
}

TEST_F(SettingsFileTest, SavingWritesTheThreeKeysInOrderWithABlankBeforeNonNegativeNumbers) {
  Settings settings;
  settings.bgmKind = 2;
  settings.bgmRepeat = -1;
  settings.bgmFile = kSong;

  EXPECT_TRUE(SaveSettings(fake.services, settings));

  EXPECT_EQ(fake.calls,
            (std::vector<std::wstring>{
                L"WritePrivateProfileValue(Section, BGM区分,  2, " + kIniFile + L")",
                L"WritePrivateProfileValue(Section, BGMﾘﾋﾟｰﾄ, -1, " + kIniFile + L")",
                L"WritePrivateProfileValue(Section, BGMﾌｧｲﾙ, " + kSong + L", " + kIniFile + L")",
            }));
}

TEST(FormatIniNumber, PutsABlankOrAMinusSignBeforeTheDigits) {
  EXPECT_EQ(FormatIniNumber(0), L" 0");
  EXPECT_EQ(FormatIniNumber(30), L" 30");
  EXPECT_EQ(FormatIniNumber(-1), L"-1");
  EXPECT_EQ(FormatIniNumber(-32768), L"-32768");
}

}  // namespace
}  // namespace orvane::settings
