#include <windows.h>

#include <vector>

#include "platform/program_paths.h"
#include "platform/win32/ansi_text.h"
#include "platform/win32/win32_platform.h"

namespace orvane::platform::win32 {

std::wstring Win32ProcessServices::CommandLine() {
  return ArgumentsAfterProgramName(FromAnsi(GetCommandLineA()));
}

std::wstring Win32ProcessServices::ProgramFolder() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return FolderOfFile(FromAnsi(std::string_view(path.data(), length)));
    path.resize(path.size() * 2);
  }
}

}  // namespace orvane::platform::win32
