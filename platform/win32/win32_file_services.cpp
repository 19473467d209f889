#include <windows.h>

#include "platform/win32/ansi_text.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"

namespace orvane::platform::win32 {

bool Win32FileServices::CanOpenForReading(const std::wstring& path) {
  const UniqueFile file(CreateFileA(ToAnsi(path).c_str(), GENERIC_READ,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  return static_cast<bool>(file);
}

bool Win32FileServices::CreateFolder(const std::wstring& path) {
  return CreateDirectoryA(ToAnsi(path).c_str(), nullptr) != 0;
}

}  // namespace orvane::platform::win32
