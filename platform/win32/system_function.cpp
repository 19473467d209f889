#include "platform/win32/system_function.h"

namespace orvane::platform::win32 {

void LoadDllsFromSystemFolderOnly() {
  // SetDefaultDllDirectories came with Windows 8 (and an update of Windows 7), so it is looked up.
  using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
  const auto setDefaultDllDirectories = reinterpret_cast<SetDefaultDllDirectoriesFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (setDefaultDllDirectories) setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
  // Where it is missing, this at least takes the working folder out of the search.
  SetDllDirectoryW(L"");
}

}  // namespace orvane::platform::win32
