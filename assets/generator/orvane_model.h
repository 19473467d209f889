#pragma once

#include <string>

namespace orvane::assets {

// The text of the shipped model 3dOrvane.x: a golden dodecahedron studded with short spikes,
// inside two crossed blue rings, in the DirectX text format the renderer reads.
std::string OrvaneModelText();

}  // namespace orvane::assets
