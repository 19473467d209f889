#include "platform/win32/dpi_awareness.h"

#include <windows.h>

#include "platform/win32/system_function.h"

namespace orvane::platform::win32 {

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
