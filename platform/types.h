#pragma once

#include <cstdint>

namespace orvane::platform {

// A window handle as the subsystems see it: the value of the system's HWND, 0 for none.
using WindowHandle = std::intptr_t;

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
};

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
};

// One monitor of the desk, in screen pixels: all of it, and the part of it that the taskbar and
// other docked bars leave free.
struct Monitor {
  Rect area;
  Rect workArea;
};

}  // namespace orvane::platform
