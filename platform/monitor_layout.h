#pragma once

#include <cstdint>
#include <vector>

#include "platform/types.h"

namespace orvane::platform {

// Where each monitor lies on a window that covers the virtual screen `desk` with a client area
// of `width` by `height` pixels: its area moved by the desk's top-left corner and cut to the
// window. A monitor shown twice (mirrored) is listed once; a desk whose monitors the system
// does not tell is one monitor as large as the window.
std::vector<Rect> MonitorsOnWindow(const std::vector<Monitor>& monitors, const Rect& desk,
                                   std::int32_t width, std::int32_t height);

// Whether monitors on a window of `width` by `height` pixels, as MonitorsOnWindow gives them
// (none over another), leave none of it uncovered.
bool MonitorsFillWindow(const std::vector<Rect>& monitors, std::int32_t width, std::int32_t height);

}  // namespace orvane::platform
