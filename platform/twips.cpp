#include "platform/twips.h"

#include <cmath>

namespace orvane::platform {

std::int32_t TwipsToPixels(double twips, int twipsPerPixel) {
  return static_cast<std::int32_t>(std::floor(twips / twipsPerPixel + 0.5));
}

}  // namespace orvane::platform
