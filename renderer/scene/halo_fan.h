#pragma once

#include <vector>

#include "renderer/scene/grey_image.h"

namespace orvane::renderer {

// A corner of the halo's triangles: where it lies in the halo's square, from -0.5 to 0.5 of its
// size (y up), and how bright the glow texture is there, from 0 to 1.
struct HaloCorner {
  float x = 0, y = 0;
  float brightness = 0;
};

// The glow texture as a disc of triangles whose corners carry its brightness, which the
// rasteriser shades in between: software OpenGL draws that for a fraction of what sampling the
// texture at every pixel of the square costs. The glow is dark outside the disc its square
// holds and changes smoothly inside it, so `rings` rings of `spokes` corners follow it within
// a few levels. Three corners a triangle: a fan round the centre, then the bands between rings.
std::vector<HaloCorner> HaloTriangles(const GreyImage& glow, int rings, int spokes);

}  // namespace orvane::renderer
