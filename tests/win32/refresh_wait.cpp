// Waits once for a display refresh due 100 ms from now, the way the split effect holds each
// frame, and prints how many milliseconds the wait took.
#include <chrono>
#include <cstdio>

#include "platform/win32/win32_platform.h"

int wmain() {
  orvane::platform::win32::Win32DisplayServices display;
  const auto start = display.Now();
  display.WaitForRefresh(start + std::chrono::milliseconds(100));
  const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(display.Now() - start);
  std::printf("%lld\n", static_cast<long long>(waited.count()));
  return 0;
}
