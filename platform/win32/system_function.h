#pragma once

#include <windows.h>

namespace orvane::platform::win32 {

// A function of a system DLL, which is loaded now if it is not yet and stays for the rest of the
// run; null where the system lacks it.
template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
  const HMODULE module = LoadLibraryW(library);
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                : nullptr;
}

}  // namespace orvane::platform::win32
