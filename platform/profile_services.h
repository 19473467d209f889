#pragma once

#include <cstddef>
#include <string>

namespace orvane::platform {

// The ANSI profile (INI file) functions of kernel32.
class ProfileServices {
 public:
  virtual ~ProfileServices() = default;

  // GetPrivateProfileStringA with a buffer of `bufferSize` bytes: the value as the buffer
  // holds it up to its first NUL, so at most bufferSize - 1 bytes of it in the ANSI code page.
  virtual std::wstring ReadPrivateProfileValue(const std::wstring& section,
                                               const std::wstring& key,
                                               const std::wstring& defaultValue,
                                               std::size_t bufferSize,
                                               const std::wstring& fileName) = 0;
  // WritePrivateProfileStringA; false when the file could not be written.
  virtual bool WritePrivateProfileValue(const std::wstring& section, const std::wstring& key,
                                        const std::wstring& value,
                                        const std::wstring& fileName) = 0;
};

}  // namespace orvane::platform
