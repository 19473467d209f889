#include "settings/settings.h"

#include <optional>

#include "platform/file_exists.h"
#include "platform/rounding.h"
#include "settings/number_text.h"

namespace orvane::settings {
namespace {

constexpr std::size_t kValueBufferSize = 256;
// Section and key reach the system through fixed fields of 128 characters with a NUL.
constexpr std::size_t kLongestName = 127;

std::optional<std::int16_t> ReadIniNumber(platform::Services& services, const std::wstring& key) {
  const std::wstring text = ReadIniValue(services.profile, kSettingsSection, key,
                                         SettingsFilePath(services.process.ProgramFolder()));
  if (text.empty()) return std::int16_t{0};
  const auto value = NumericLiteralValue(text);
  if (!value) return std::nullopt;
  return platform::RoundToInteger<std::int16_t>(*value, platform::Rounding::kDown);
}

}  // namespace

std::wstring SettingsFilePath(const std::wstring& programFolder) {
  return programFolder + L"\\3dOrvane.ini";
}

std::wstring ReadIniValue(platform::ProfileServices& profile, const std::wstring& section,
                          const std::wstring& key, const std::wstring& fileName) {
  return profile.ReadPrivateProfileValue(section, key, L"", kValueBufferSize, fileName);
}

bool WriteIniValue(platform::ProfileServices& profile, const std::wstring& section,
                   const std::wstring& key, const std::wstring& value,
                   const std::wstring& fileName) {
  return profile.WritePrivateProfileValue(section.substr(0, kLongestName), key.substr(0, kLongestName),
                                    value, fileName);
}

std::wstring FormatIniNumber(std::int16_t number) {
  return (number < 0 ? L"" : L" ") + std::to_wstring(number);
}

void ReadSettings(platform::Services& services, Settings& settings) {
  if (const auto kind = ReadIniNumber(services, kBgmKindKey)) settings.bgmKind = *kind;
  if (const auto repeat = ReadIniNumber(services, kBgmRepeatKey)) settings.bgmRepeat = *repeat;
  settings.bgmFile = ReadIniValue(services.profile, kSettingsSection, kBgmFileKey,
                                  SettingsFilePath(services.process.ProgramFolder()));
}

void LoadSettings(platform::Services& services, Settings& settings) {
  ReadSettings(services, settings);
  if (settings.bgmFile.empty() || !platform::FileExists(services.files, settings.bgmFile)) {
    settings.bgmFile.clear();
    if (settings.bgmKind == kMusicFile) settings.bgmKind = kNoMusic;
  }
}

bool SaveSettings(platform::Services& services, const Settings& settings) {
  const std::wstring file = SettingsFilePath(services.process.ProgramFolder());
  return WriteIniValue(services.profile, kSettingsSection, kBgmKindKey,
                       FormatIniNumber(settings.bgmKind), file) &&
         WriteIniValue(services.profile, kSettingsSection, kBgmRepeatKey,
                       FormatIniNumber(settings.bgmRepeat), file) &&
         WriteIniValue(services.profile, kSettingsSection, kBgmFileKey, settings.bgmFile, file);
}

}  // namespace orvane::settings
