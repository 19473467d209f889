#pragma once

#include <string>

#include "platform/file_services.h"

namespace orvane::platform {

// True when `path` (less one trailing backslash) names a file that can be opened for reading.
bool FileExists(FileServices& files, std::wstring path);

}  // namespace orvane::platform
