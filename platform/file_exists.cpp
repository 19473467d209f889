#include "platform/file_exists.h"

namespace orvane::platform {

bool FileExists(FileServices& files, std::wstring path) {
  if (!path.empty() && path.back() == L'\\') path.pop_back();
  return files.CanOpenForReading(path);
}

}  // namespace orvane::platform
