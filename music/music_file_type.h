#pragma once

#include <string>

namespace orvane::music {

// The type of the music file, from its name alone: the last three characters, upper-cased
// ("WAV", "MP3", or anything else for no music).
std::wstring MusicFileType(const std::wstring& bgmFile);

}  // namespace orvane::music
