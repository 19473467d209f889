#include "platform/win32/dpi_awareness.h"

#include <windows.h>

namespace orvane::platform::win32 {
namespace {

// A function of a system library that older systems lack; null there.
template <typename Function>
Function SystemFunction(const wchar_t* library, const char* name) {
  const HMODULE module = LoadLibraryW(library);
  return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)))
                : nullptr;
}

}  // namespace

void UsePhysicalPixels() {
  using SetContext = BOOL(WINAPI*)(HANDLE);
  const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(-4);  // DPI_AWARENESS_CONTEXT_...
  if (const auto set = SystemFunction<SetContext>(L"user32.dll", "SetProcessDpiAwarenessContext")) {
    if (set(kPerMonitorAwareV2)) return;
  }
  using SetAwareness = HRESULT(WINAPI*)(int);
  constexpr int kProcessPerMonitorDpiAware = 2;
  if (const auto set = SystemFunction<SetAwareness>(L"shcore.dll", "SetProcessDpiAwareness")) {
    if (SUCCEEDED(set(kProcessPerMonitorDpiAware))) return;
  }
  if (const auto set = SystemFunction<BOOL(WINAPI*)()>(L"user32.dll", "SetProcessDPIAware")) set();
}

}  // namespace orvane::platform::win32
