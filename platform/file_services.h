#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvane::platform {

class FileServices {
 public:
  virtual ~FileServices() = default;

  // Opens `path` for sequential reading without creating it and closes it again at once.
  virtual bool CanOpenForReading(const std::wstring& path) = 0;
  // Creates one folder; false when it fails (it exists already, say).
  virtual bool CreateFolder(const std::wstring& path) = 0;
  // Copies a file byte for byte, replacing the target; false when it fails.
  virtual bool CopyFileReplacing(const std::wstring& source, const std::wstring& target) = 0;
  // Writes `bytes` as the whole content of the file, replacing it; false when it fails.
  virtual bool WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) = 0;
  virtual bool RemoveFile(const std::wstring& path) = 0;
};

}  // namespace orvane::platform
