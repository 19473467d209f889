#include "platform/twips.h"

#include <cmath>

namespace orvane::platform {

std::int32_t TwipsToPixels(double twips, int twipsPerPixel) {
  return static_cast<std::int32_t>(std::floor(twips / twipsPerPixel + 0.5));
}

Rect TwipsRectToPixels(const TwipsRect& rect, int twipsPerPixelX, int twipsPerPixelY) {
  return {TwipsToPixels(rect.x, twipsPerPixelX), TwipsToPixels(rect.y, twipsPerPixelY),
          TwipsToPixels(rect.x + rect.width, twipsPerPixelX),
          TwipsToPixels(rect.y + rect.height, twipsPerPixelY)};
}

}  // namespace orvane::platform
