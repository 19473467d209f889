#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/types.h"

namespace orvane::platform {

// A program started by this one.
class StartedProgram {
 public:
  virtual ~StartedProgram() = default;
  virtual bool HasEnded() = 0;
  // Ends the program at once, if it still runs.
  virtual void End() = 0;
};

class ProcessServices {
 public:
  virtual ~ProcessServices() = default;

  // The argument text after the program name, as the process received it.
  virtual std::wstring CommandLine() = 0;
  // The folder holding the program file, without a trailing backslash except at a drive's root.
  virtual std::wstring ProgramFolder() = 0;
  // Starts exactly the program file `programPath` (never another found by searching) with
  // `commandLine` as its whole command line and the show-window mode `showMode`, without
  // waiting for it; empty when it cannot be started.
  virtual std::unique_ptr<StartedProgram> StartProgram(const std::wstring& programPath,
                                                       const std::wstring& commandLine,
                                                       int showMode) = 0;
  // ShellExecuteA: runs `operation` ("open") on `file`, a document, a program or an address,
  // with the program that the system has registered for it. The result is not reported.
  virtual void OpenWithShell(WindowHandle owner, const std::wstring& operation,
                             const std::wstring& file, const std::wstring& parameters,
                             const std::wstring& folder, int showCommand) = 0;
  // The bytes of one of the program's own resources (RCDATA), by number.
  virtual std::vector<std::uint8_t> ResourceData(int resourceId) = 0;
};

}  // namespace orvane::platform
