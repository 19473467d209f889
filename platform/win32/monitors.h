#pragma once

#include <vector>

#include "platform/types.h"

namespace orvane::platform::win32 {

// The rectangle round every monitor (the virtual screen), in screen pixels.
Rect VirtualScreenRect();
// Every monitor of the desk, the primary first.
std::vector<Monitor> DesktopMonitors();
// The monitor that holds `point`, or the one nearest to it.
Monitor MonitorNearest(const Point& point);

}  // namespace orvane::platform::win32
