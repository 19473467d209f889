#pragma once

#include <string>

namespace orvane::platform {

class FileServices {
 public:
  virtual ~FileServices() = default;

  // Opens `path` for sequential reading without creating it and closes it again at once.
  virtual bool CanOpenForReading(const std::wstring& path) = 0;
  // Creates one folder; false when it fails (it exists already, say).
  virtual bool CreateFolder(const std::wstring& path) = 0;
};

}  // namespace orvane::platform
