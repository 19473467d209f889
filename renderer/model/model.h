#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace orvane::renderer {

struct Vec3 {
  float x = 0, y = 0, z = 0;
};

struct Colour {
  float r = 0, g = 0, b = 0, a = 1;
};

// One corner of a triangle, ready for drawing: position and normal already carry the
// transforms of every frame that holds the mesh.
struct ModelVertex {
  Vec3 position;
  Vec3 normal;
  float u = 0, v = 0;
};

struct Material {
  Colour diffuse{0.8f, 0.8f, 0.8f, 1.0f};
  float specularPower = 0;
  Colour specular{0, 0, 0, 1};
  Colour emissive{0, 0, 0, 1};
};

// The triangles of one mesh that share one material, three vertices per triangle.
struct ModelPart {
  Material material;
  std::vector<ModelVertex> triangles;
};

struct Model {
  std::vector<ModelPart> parts;
};

}  // namespace orvane::renderer
