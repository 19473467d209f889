#pragma once

#include <string>

namespace orvane::platform {

class ProcessServices {
 public:
  virtual ~ProcessServices() = default;

  // The argument text after the program name, as the process received it.
  virtual std::wstring CommandLine() = 0;
  // The folder holding the program file, without a trailing backslash except at a drive's root.
  virtual std::wstring ProgramFolder() = 0;
};

}  // namespace orvane::platform
