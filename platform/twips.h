#pragma once

#include <cstdint>

#include "platform/types.h"

namespace orvane::platform {

// A rectangle of form or control geometry in twips (1/1440 inch). Twips are fractional where
// the geometry halves a size, and a width or height may be zero or negative.
struct TwipsRect {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
};

// The pixel that a twips coordinate falls on at `twipsPerPixel`: the nearest one, halves going
// up, as the window layer places geometry given in twips.
std::int32_t TwipsToPixels(double twips, int twipsPerPixel);

// The pixel rectangle of `rect`: its edges converted one by one, so that rectangles that meet
// in twips also meet in pixels.
Rect TwipsRectToPixels(const TwipsRect& rect, int twipsPerPixelX, int twipsPerPixelY);

}  // namespace orvane::platform
