#pragma once

#include <windows.h>

namespace orvane::platform::win32 {

// A function of a system DLL, which is loaded now from the system folder, and nowhere else, if
// it is not yet, and stays for the rest of the run; null where the system lacks it.
template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
  const HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                : nullptr;
}

// Makes the system folder the only place where this process looks for DLLs, for its own loads
// and for those of the system's DLLs it uses: a DLL planted in the program's folder (a
// Downloads folder, say) or in the working folder is never loaded. To call first thing.
void LoadDllsFromSystemFolderOnly();

}  // namespace orvane::platform::win32
