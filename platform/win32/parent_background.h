#pragma once

#include <windows.h>

namespace orvane::platform::win32 {

// Asks the parent of `window` to paint, into the window's drawing context, what it shows
// behind the window: the way a window with a transparent background paints.
void PaintParentBackground(HWND window, HDC dc);

}  // namespace orvane::platform::win32
