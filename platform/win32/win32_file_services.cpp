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

bool Win32FileServices::CopyFileReplacing(const std::wstring& source, const std::wstring& target) {
  return CopyFileA(ToAnsi(source).c_str(), ToAnsi(target).c_str(), FALSE) != 0;
}

bool Win32FileServices::WriteWholeFile(const std::wstring& path,
                                       const std::vector<std::uint8_t>& bytes) {
  const UniqueFile file(CreateFileA(ToAnsi(path).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

bool Win32FileServices::RemoveFile(const std::wstring& path) {
  return DeleteFileA(ToAnsi(path).c_str()) != 0;
}

}  // namespace orvane::platform::win32
