#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "assets/generator/orvane_model.h"
#include "renderer/model/model_file.h"

namespace orvane::renderer {
namespace {

const std::filesystem::path kShippedModel = ORVANE_SHIPPED_MODEL;

Vec3 Minus(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
float Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

TEST(ShippedModel, IsWhatItsGeneratorWrites) {
  std::ifstream file(kShippedModel, std::ios::binary);
  std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  // If this fails after a change to the generator: build/assets/model_generator assets/3dOrvane.x
  EXPECT_TRUE(text == assets::OrvaneModelText());
  EXPECT_LT(text.size(), 1u << 20);
}

TEST(ShippedModel, ReadsAsFourPartsWhoseTrianglesFaceTheWayTheirNormalsPoint) {
  const std::optional<Model> model = LoadModelFile(kShippedModel);
  ASSERT_TRUE(model);
  ASSERT_EQ(model->parts.size(), 4u);  // core, spikes and two rings
  EXPECT_FLOAT_EQ(model->parts[0].material.diffuse.g, 0.76f);   // Gold, by reference
  EXPECT_FLOAT_EQ(model->parts[1].material.emissive.r, 0.45f);  // Spark, inline
  for (std::size_t p = 0; p < model->parts.size(); ++p) {
    const std::vector<ModelVertex>& corners = model->parts[p].triangles;
    EXPECT_GT(corners.size(), 100u);
    for (std::size_t i = 0; i + 2 < corners.size(); i += 3) {
      const Vec3 a = corners[i].position, e1 = Minus(corners[i + 1].position, a), e2 = Minus(corners[i + 2].position, a);
      Vec3 face{e1.y * e2.z - e1.z * e2.y, e1.z * e2.x - e1.x * e2.z, e1.x * e2.y - e1.y * e2.x};
      const float length = std::sqrt(Dot(face, face));
      face = {face.x / length, face.y / length, face.z / length};
      for (std::size_t k = 0; k < 3; ++k) ASSERT_GT(Dot(face, corners[i + k].normal), 0.8f) << p << " " << i + k;
      // The core and the spikes face away from the middle.
      ASSERT_TRUE(p >= 2 || Dot(face, a) > 0) << p << " " << i / 3;
    }
  }
}

}  // namespace
}  // namespace orvane::renderer
