#include "renderer/scene/halo_fan.h"

#include <cmath>

namespace orvane::renderer {
namespace {

// The glow at (x, y) of its square, filtered as OpenGL's linear filter does, black beyond its
// edge.
float Brightness(const GreyImage& glow, float x, float y) {
  const float column = (x + 0.5f) * glow.width - 0.5f, row = (0.5f - y) * glow.height - 0.5f;
  const int left = static_cast<int>(std::floor(column)), top = static_cast<int>(std::floor(row));
  const float across = column - left, down = row - top;
  const auto at = [&](int cx, int cy) -> float {
    return cx < 0 || cy < 0 || cx >= glow.width || cy >= glow.height ? 0.0f : glow.At(cx, cy);
  };
  const float upper = at(left, top) * (1 - across) + at(left + 1, top) * across;
  const float lower = at(left, top + 1) * (1 - across) + at(left + 1, top + 1) * across;
  return (upper * (1 - down) + lower * down) / 255;
}

}  // namespace

std::vector<HaloCorner> HaloTriangles(const GreyImage& glow, int rings, int spokes) {
  const auto corner = [&](int ring, int spoke) {
    const double radius = 0.5 * ring / rings, angle = 2 * 3.14159265358979 * spoke / spokes;
    const float x = static_cast<float>(radius * std::cos(angle)), y = static_cast<float>(radius * std::sin(angle));
    return HaloCorner{x, y, Brightness(glow, x, y)};
  };
  std::vector<HaloCorner> triangles;
  for (int spoke = 0; spoke < spokes; ++spoke) {
    triangles.insert(triangles.end(), {corner(0, 0), corner(1, spoke), corner(1, spoke + 1)});
    for (int ring = 1; ring < rings; ++ring) {
      const HaloCorner inner0 = corner(ring, spoke), inner1 = corner(ring, spoke + 1);
      const HaloCorner outer0 = corner(ring + 1, spoke), outer1 = corner(ring + 1, spoke + 1);
      triangles.insert(triangles.end(), {inner0, outer0, outer1, inner0, outer1, inner1});
    }
  }
  return triangles;
}

}  // namespace orvane::renderer
