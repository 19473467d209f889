#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "platform/program_paths.h"
#include "platform/win32/handles.h"
#include "platform/win32/system_function.h"
#include "platform/win32/win32_platform.h"

namespace orvane::platform::win32 {

std::wstring Win32ProcessServices::CommandLine() {
  return ArgumentsAfterProgramName(GetCommandLineW());
}

namespace {

// The exit code of a program this one ends.
constexpr UINT kEndedExitCode = 1;

class Win32StartedProgram final : public StartedProgram {
 public:
  explicit Win32StartedProgram(HANDLE process) : process_(process) {}
  bool HasEnded() override { return WaitForSingleObject(process_.get(), 0) == WAIT_OBJECT_0; }
  void End() override { TerminateProcess(process_.get(), kEndedExitCode); }

 private:
  UniqueKernelHandle process_;
};

}  // namespace

std::unique_ptr<StartedProgram> Win32ProcessServices::StartProgram(const std::wstring& programPath,
                                                                   const std::wstring& commandLine,
                                                                   int showMode) {
  std::wstring arguments = commandLine;  // CreateProcessW may write into it
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(showMode);
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(programPath.c_str(), arguments.data(), nullptr, nullptr, FALSE, 0,
                      nullptr, nullptr, &startup, &started)) {
    return nullptr;
  }
  CloseHandle(started.hThread);
  return std::make_unique<Win32StartedProgram>(started.hProcess);
}

void Win32ProcessServices::OpenWithShell(WindowHandle owner, const std::wstring& operation,
                                         const std::wstring& file, const std::wstring& parameters,
                                         const std::wstring& folder, int showCommand) {
  static const auto shellExecute = SystemFunction<decltype(&ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
  if (!shellExecute) return;
  shellExecute(reinterpret_cast<HWND>(owner), operation.c_str(), file.c_str(), parameters.c_str(),
               folder.c_str(), showCommand);
}

std::vector<std::uint8_t> Win32ProcessServices::ResourceData(int resourceId) {
  const HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
  if (!resource) return {};
  const HGLOBAL loaded = LoadResource(nullptr, resource);
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(loaded));
  if (!bytes) return {};
  return std::vector<std::uint8_t>(bytes, bytes + SizeofResource(nullptr, resource));
}

std::wstring Win32ProcessServices::ProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return FolderOfFile(path.substr(0, length));
    path.resize(path.size() * 2);
  }
}

}  // namespace orvane::platform::win32
