#pragma once

#include <cstdint>
#include <vector>

#include "renderer/model/model.h"

namespace orvane::renderer {

// A part's triangles with each distinct corner kept once and the triangles as indices into
// them: OpenGL then lights a corner once rather than once for every triangle that shares it,
// a quarter of the work for the shipped model. Corners are the same when their bits are.
struct IndexedMesh {
  std::vector<ModelVertex> corners;
  std::vector<std::uint32_t> indices;  // three a triangle
};

IndexedMesh Indexed(const std::vector<ModelVertex>& triangles);

}  // namespace orvane::renderer
