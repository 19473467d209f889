#include "artwork/glow_picture.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace orvane::artwork {
namespace {

// Brightness at a point: a Gaussian glow, pulled down to exactly 0 at the edge circle.
double Brightness(int x, int y) {
  constexpr double kHalf = kGlowTextureSize / 2.0;
  const double dx = (x + 0.5 - kHalf) / kHalf;
  const double dy = (y + 0.5 - kHalf) / kHalf;
  const double r2 = dx * dx + dy * dy;
  if (r2 >= 1.0) return 0.0;
  return 220.0 * std::exp(-3.0 * r2) * (1.0 - r2);
}

std::uint8_t Channel(double value) { return static_cast<std::uint8_t>(std::lround(value)); }

}  // namespace

Picture PaintGlowTexture() {
  Picture glow{kGlowTextureSize, kGlowTextureSize, {}};
  for (int y = 0; y < kGlowTextureSize; ++y) {
    for (int x = 0; x < kGlowTextureSize; ++x) {
      const double v = Brightness(x, y);
      // A faint cool tint keeps the grey from looking flat.
      glow.pixels.push_back({Channel(v * 0.98), Channel(v), Channel(std::min(255.0, v * 1.03))});
    }
  }
  return glow;
}

}  // namespace orvane::artwork
