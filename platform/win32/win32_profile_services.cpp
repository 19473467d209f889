#include <windows.h>

#include <vector>

#include "platform/win32/ansi_text.h"
#include "platform/win32/win32_platform.h"

namespace orvane::platform::win32 {

std::wstring Win32ProfileServices::ReadPrivateProfileValue(const std::wstring& section,
                                                           const std::wstring& key,
                                                           const std::wstring& defaultValue,
                                                           std::size_t bufferSize,
                                                           const std::wstring& fileName) {
  std::vector<char> buffer(bufferSize, '\0');
  GetPrivateProfileStringA(ToAnsi(section).c_str(), ToAnsi(key).c_str(),
                           ToAnsi(defaultValue).c_str(), buffer.data(),
                           static_cast<DWORD>(buffer.size()), ToAnsi(fileName).c_str());
  return FromAnsiBuffer(buffer.data(), buffer.size());
}

bool Win32ProfileServices::WritePrivateProfileValue(const std::wstring& section,
                                                     const std::wstring& key,
                                                     const std::wstring& value,
                                                     const std::wstring& fileName) {
  return WritePrivateProfileStringA(ToAnsi(section).c_str(), ToAnsi(key).c_str(),
                                    ToAnsi(value).c_str(), ToAnsi(fileName).c_str()) != 0;
}

}  // namespace orvane::platform::win32
