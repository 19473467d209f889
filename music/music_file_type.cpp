#include "music/music_file_type.h"

namespace orvane::music {

std::wstring MusicFileType(const std::wstring& bgmFile) {
  std::wstring type = bgmFile.size() > 3 ? bgmFile.substr(bgmFile.size() - 3) : bgmFile;
  for (wchar_t& c : type) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
  }
  return type;
}

}  // namespace orvane::music
