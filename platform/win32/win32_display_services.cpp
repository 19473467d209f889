#include <windows.h>

#include "platform/win32/dpi_awareness.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_platform.h"

namespace orvane::platform::win32 {
namespace {

constexpr int kTwipsPerInch = 1440;

int TwipsPerPixel(int dotsPerInchIndex) {
  const WindowDC screen(nullptr);
  const int dotsPerInch = GetDeviceCaps(screen.get(), dotsPerInchIndex);
  return dotsPerInch > 0 ? kTwipsPerInch / dotsPerInch : 15;
}

// A function of user32 that older systems lack; null there.
template <typename Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

int Win32DisplayServices::TwipsPerPixelX() { return TwipsPerPixel(LOGPIXELSX); }
int Win32DisplayServices::TwipsPerPixelY() { return TwipsPerPixel(LOGPIXELSY); }

void Win32DisplayServices::SetDpiAwareness(DpiAwareness awareness) {
  if (awareness == DpiAwareness::kPerMonitor) return UsePhysicalPixels();
  if (awareness == DpiAwareness::kPrimary) {
    // Windows Vista and later.
    if (const auto set = User32Function<BOOL(WINAPI*)()>("SetProcessDPIAware")) set();
    return;
  }
  // Unaware is already the default of a program whose manifest says nothing, but Windows 10's
  // compatibility settings and Wine can make a program aware; its one thread then asks to be
  // unaware (Windows 10 and later).
  using SetThreadAwareness = HANDLE(WINAPI*)(HANDLE);
  const HANDLE kUnaware = reinterpret_cast<HANDLE>(-1);  // DPI_AWARENESS_CONTEXT_UNAWARE
  if (const auto set = User32Function<SetThreadAwareness>("SetThreadDpiAwarenessContext")) {
    set(kUnaware);
  }
}

}  // namespace orvane::platform::win32
