#pragma once

#include <cstdint>
#include <string>

#include "platform/services.h"

namespace orvane::settings {

// Where the background music comes from, stored in the INI file as its number. A number from
// a hand-edited file that names none of these is kept as it is, and plays no music.
enum class MusicSource : std::int16_t { kNoMusic = 0, kAudioCd = 1, kMusicFile = 2 };

// The user's background-music choice, kept in the INI file beside the program.
struct Settings {
  MusicSource bgmKind = MusicSource::kNoMusic;
  std::int16_t bgmRepeat = 0;  // audio-CD track played over and over, 0 for the whole disc
  std::wstring bgmFile;        // full path of the MP3 or WAV file, empty when none
};

inline constexpr wchar_t kSettingsSection[] = L"Section";
inline constexpr wchar_t kBgmKindKey[] = L"BGM区分";
inline constexpr wchar_t kBgmRepeatKey[] = L"BGMﾘﾋﾟｰﾄ";
inline constexpr wchar_t kBgmFileKey[] = L"BGMﾌｧｲﾙ";

std::wstring SettingsFilePath(const std::wstring& programFolder);
// A save writes the settings file's new bytes beside it under this name added to its own.
inline constexpr wchar_t kNewFileSuffix[] = L".new";

// One value of the INI file, at most 255 bytes of it in code page 932; empty when file,
// section or key is missing.
std::wstring ReadIniValue(platform::Services& services, const std::wstring& section,
                          const std::wstring& key, const std::wstring& fileName);

// How numbers are stored: a blank before a number that is not negative (" 2"), "-1" otherwise.
std::wstring FormatIniNumber(std::int16_t number);

// Fills `settings` from the file as it holds them. A value that is not a number, or does not
// fit 16 bits, leaves its field as it was.
void ReadSettings(platform::Services& services, Settings& settings);

// The settings a run of the saver plays by: as read, but a music file that cannot be opened
// now is dropped, and with it the music-file source.
void LoadSettings(platform::Services& services, Settings& settings);

enum class SaveResult {
  kSaved,
  kNotWritten,
  // The music file's path has a character that code page 932 lacks, and no short form.
  kMusicFileNameNotStorable,
};

// Writes the three keys, in their fixed order, in one write of the file; nothing is written
// unless all three can be. A music file whose path code page 932 cannot hold is stored in its
// short form.
SaveResult SaveSettings(platform::Services& services, const Settings& settings);

}  // namespace orvane::settings
