#include "renderer/scene/indexed_mesh.h"

#include <array>
#include <cstring>
#include <unordered_map>

namespace orvane::renderer {
namespace {

// A corner's bits: unlike its numbers, they compare equal to themselves even when NaN.
using CornerBits = std::array<std::uint32_t, sizeof(ModelVertex) / sizeof(std::uint32_t)>;
static_assert(sizeof(ModelVertex) == sizeof(CornerBits));

struct CornerHash {
  std::size_t operator()(const CornerBits& bits) const {
    std::uint64_t hash = 14695981039346656037ull;
    for (const std::uint32_t word : bits) hash = (hash ^ word) * 1099511628211ull;
    return static_cast<std::size_t>(hash);
  }
};

}  // namespace

IndexedMesh Indexed(const std::vector<ModelVertex>& triangles) {
  IndexedMesh mesh;
  mesh.indices.reserve(triangles.size());
  std::unordered_map<CornerBits, std::uint32_t, CornerHash> seen;
  for (const ModelVertex& corner : triangles) {
    CornerBits bits;
    std::memcpy(bits.data(), &corner, sizeof bits);
    const auto [place, added] = seen.emplace(bits, static_cast<std::uint32_t>(mesh.corners.size()));
    if (added) mesh.corners.push_back(corner);
    mesh.indices.push_back(place->second);
  }
  return mesh;
}

}  // namespace orvane::renderer
