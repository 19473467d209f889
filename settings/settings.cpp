#include "settings/settings.h"

#include <optional>

#include "platform/file_exists.h"
#include "platform/rounding.h"
#include "settings/ini_text.h"
#include "settings/number_text.h"

namespace orvane::settings {
namespace {

// Values come back as through a buffer of 256 bytes with its NUL.
constexpr std::size_t kLongestValue = 255;

// The section, the keys and the numbers: texts of the program, which code page 932 holds.
std::string OwnTextBytes(platform::Services& services, const std::wstring& name) {
  return services.codePage932.Encode(name).value_or(std::string());
}

// The path as the file can keep it: as it is, or else in its short form.
std::optional<std::string> StorableMusicFile(platform::Services& services, const std::wstring& path) {
  if (auto bytes = services.codePage932.Encode(path)) return bytes;
  const std::optional<std::wstring> shortPath = services.files.ShortPath(path);
  return shortPath ? services.codePage932.Encode(*shortPath) : std::nullopt;
}

std::optional<std::int16_t> ReadIniNumber(platform::Services& services, const std::wstring& key) {
  const std::wstring text = ReadIniValue(services, kSettingsSection, key,
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

std::wstring ReadIniValue(platform::Services& services, const std::wstring& section,
                          const std::wstring& key, const std::wstring& fileName) {
  const std::string file = services.files.ReadWholeFile(fileName).value_or(std::string());
  return services.codePage932.Decode(IniValue(file, OwnTextBytes(services, section),
                                              OwnTextBytes(services, key), kLongestValue));
}

std::wstring FormatIniNumber(std::int16_t number) {
  return (number < 0 ? L"" : L" ") + std::to_wstring(number);
}

void ReadSettings(platform::Services& services, Settings& settings) {
  if (const auto kind = ReadIniNumber(services, kBgmKindKey)) settings.bgmKind = MusicSource{*kind};
  if (const auto repeat = ReadIniNumber(services, kBgmRepeatKey)) settings.bgmRepeat = *repeat;
  settings.bgmFile = ReadIniValue(services, kSettingsSection, kBgmFileKey,
                                  SettingsFilePath(services.process.ProgramFolder()));
}

void LoadSettings(platform::Services& services, Settings& settings) {
  ReadSettings(services, settings);
  if (settings.bgmFile.empty() || !platform::FileExists(services.files, settings.bgmFile)) {
    settings.bgmFile.clear();
    if (settings.bgmKind == MusicSource::kMusicFile) settings.bgmKind = MusicSource::kNoMusic;
  }
}

SaveResult SaveSettings(platform::Services& services, const Settings& settings) {
  const std::optional<std::string> musicFile = StorableMusicFile(services, settings.bgmFile);
  if (!musicFile) return SaveResult::kMusicFileNameNotStorable;
  const std::wstring fileName = SettingsFilePath(services.process.ProgramFolder());
  // A file that is not there yet starts empty.
  std::string file = services.files.ReadWholeFile(fileName).value_or(std::string());
  const std::string section = OwnTextBytes(services, kSettingsSection);
  const auto encodeNumber = [&](std::int16_t number) {
    return OwnTextBytes(services, FormatIniNumber(number));
  };
  file = WithIniValue(file, section, OwnTextBytes(services, kBgmKindKey), encodeNumber(static_cast<std::int16_t>(settings.bgmKind)));
  file = WithIniValue(file, section, OwnTextBytes(services, kBgmRepeatKey), encodeNumber(settings.bgmRepeat));
  file = WithIniValue(file, section, OwnTextBytes(services, kBgmFileKey), *musicFile);
  // Written whole beside the file, then put in its place in one step: a save cut short by a
  // crash, a power cut or a full disk leaves the file as it was.
  const std::wstring newFile = fileName + kNewFileSuffix;
  services.files.RemoveFile(newFile);  // left by a save that was cut short
  const bool saved = services.files.WriteNewFile(newFile, std::vector<std::uint8_t>(file.begin(), file.end())) &&
                     services.files.MoveFileReplacing(newFile, fileName);
  if (!saved) services.files.RemoveFile(newFile);
  return saved ? SaveResult::kSaved : SaveResult::kNotWritten;
}

}  // namespace orvane::settings
