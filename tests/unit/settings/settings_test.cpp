#include "settings/settings.h"

#include <gtest/gtest.h>

#include "fakes/fake_platform.h"

namespace orvane::settings {
namespace {

const std::wstring kSong = L"D:\\Music\\song.mp3";

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetIni(const std::wstring& kind, const std::wstring& repeat, const std::wstring& file) {
    fake.iniValues[{L"Section", L"BGM区分"}] = kind;
    fake.iniValues[{L"Section", L"BGMﾘﾋﾟｰﾄ"}] = repeat;
    fake.iniValues[{L"Section", L"BGMﾌｧｲﾙ"}] = file;
  }

  testing::FakePlatform fake;
  Settings settings;
};

TEST_F(SettingsFileTest, NumbersAreRoundedDownAndBadOnesKeepTheFieldAsItWas) {
  const struct {
    const wchar_t* text;
    std::int16_t expected;
  } cases[] = {{L"5", 5},         {L" 2", 2},          {L"1.9", 1},      {L"-0.5", -1},
               {L"+3", 3},        {L"abc", 9},         {L"40000", 9},    {L"", 0},
               {L"32767", 32767}, {L"32768", 9},       {L"-32768", -32768}, {L"-32769", 9}};
  for (const auto& c : cases) {
    SetIni(c.text, c.text, L"");
    settings = {9, 9, L""};
    ReadSettings(fake.services, settings);
    EXPECT_EQ(settings.bgmKind, c.expected) << c.text;
    EXPECT_EQ(settings.bgmRepeat, c.expected) << c.text;
  }
}

TEST_F(SettingsFileTest, ARunDropsAMusicFileItCannotOpenAndWithItTheMusicFileSource) {
  const std::wstring longPath = L"D:\\" + std::wstring(300, L'a') + L".mp3";
  fake.readableFiles = {kSong, longPath.substr(0, 255)};
  const struct {
    const wchar_t* kind;
    std::wstring file;
    std::int16_t expectedKind;
    std::wstring expectedFile;
  } cases[] = {
      {L" 2", L"", 0, L""},
      {L" 2", L"E:\\unplugged.mp3", 0, L""},
      {L" 1", L"E:\\unplugged.mp3", 1, L""},
      // Tested without the trailing backslash, but kept as read.
      {L" 2", kSong + L"\\", 2, kSong + L"\\"},
      // The system gives back at most 255 characters.
      {L" 2", longPath, 2, longPath.substr(0, 255)},
  };
  for (const auto& c : cases) {
    SetIni(c.kind, L" 3", c.file);
    LoadSettings(fake.services, settings);
    EXPECT_EQ(settings.bgmKind, c.expectedKind) << c.file;
    EXPECT_EQ(settings.bgmFile, c.expectedFile) << c.file;
  }
}

}  // namespace
}  // namespace orvane::settings
