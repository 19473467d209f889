#include <windows.h>

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

}  // namespace

int Win32DisplayServices::TwipsPerPixelX() { return TwipsPerPixel(LOGPIXELSX); }
int Win32DisplayServices::TwipsPerPixelY() { return TwipsPerPixel(LOGPIXELSY); }

}  // namespace orvane::platform::win32
