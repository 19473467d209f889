#include "platform/win32/parent_background.h"

namespace orvane::platform::win32 {

void PaintParentBackground(HWND window, HDC dc) {
  const HWND parent = GetParent(window);
  POINT offset{0, 0};
  MapWindowPoints(window, parent, &offset, 1);
  POINT previousOrigin{};
  OffsetViewportOrgEx(dc, -offset.x, -offset.y, &previousOrigin);
  SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SendMessageW(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  SetViewportOrgEx(dc, previousOrigin.x, previousOrigin.y, nullptr);
}

}  // namespace orvane::platform::win32
