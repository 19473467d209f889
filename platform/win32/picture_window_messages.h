#pragma once

#include <windows.h>

#include <optional>

#include "platform/win32/handles.h"
#include "platform/win32/screen_pointer.h"

namespace orvane::platform::win32 {

// The messages every window that shows a picture of its own answers alike: WM_PAINT and
// WM_PRINTCLIENT draw through `paint`, WM_ERASEBKGND is skipped because the picture covers the
// client area, and WM_SETCURSOR shows the screen pointer while one is set. Returns the message's
// result, or nothing for a message the window handles itself.
template <typename PaintInto>
std::optional<LRESULT> AnswerPictureWindowMessage(HWND window, UINT message, WPARAM wParam,
                                                  const ScreenPointerSetting& pointer,
                                                  PaintInto paint) {
  switch (message) {
    case WM_PAINT:
      paint(PaintDC(window).get());
      return 0;
    case WM_PRINTCLIENT:
      paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETCURSOR:
      if (pointer.Show()) return TRUE;
      break;
  }
  return std::nullopt;
}

}  // namespace orvane::platform::win32
