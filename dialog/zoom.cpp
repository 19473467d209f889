#include "dialog/zoom.h"

namespace orvane::dialog {
namespace {

constexpr int kIdAniCaption = 3;

platform::Rect PointRect(const ZoomOrigin& origin) {
  return {origin.x, origin.y, origin.x, origin.y};
}

}  // namespace

void ZoomOpen(platform::WindowServices& windows, const ZoomOrigin& origin,
              platform::WindowHandle window) {
  windows.DrawAnimatedRects(window, kIdAniCaption, PointRect(origin), windows.GetWindowRect(window));
}

void ZoomClose(platform::WindowServices& windows, const ZoomOrigin& origin,
               platform::WindowHandle window) {
  windows.DrawAnimatedRects(window, kIdAniCaption, windows.GetWindowRect(window), PointRect(origin));
}

}  // namespace orvane::dialog
