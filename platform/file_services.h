#pragma once

#include <cstdint>
#include <optional>
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
  // Writes `bytes` into a file that must not exist yet, and on to the disk; false when it fails.
  virtual bool WriteNewFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) = 0;
  // Puts `source` in the place of `target` in one step, whatever target held going with it;
  // false, with both left as they were, when it fails.
  virtual bool MoveFileReplacing(const std::wstring& source, const std::wstring& target) = 0;
  virtual bool RemoveFile(const std::wstring& path) = 0;
  // The whole content of the file; nothing when it cannot be read.
  virtual std::optional<std::string> ReadWholeFile(const std::wstring& path) = 0;
  // The path in the short (8.3) form of each of its names where the volume keeps one, the
  // name as it is where it keeps none; nothing when the file cannot be found.
  virtual std::optional<std::wstring> ShortPath(const std::wstring& path) = 0;
};

}  // namespace orvane::platform
