#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "assets/generator/orvane_model.h"
#include "renderer/model/model_file.h"
#include "renderer/model/x_reader.h"

namespace orvane::renderer {
namespace {

const std::filesystem::path kShippedModel = ORVANE_SHIPPED_MODEL;

std::string ShippedText() {
  std::ifstream file(kShippedModel, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

Vec3 FaceNormal(const ModelVertex* corners) {
  const Vec3 a = corners[0].position, b = corners[1].position, c = corners[2].position;
  const Vec3 e1{b.x - a.x, b.y - a.y, b.z - a.z}, e2{c.x - a.x, c.y - a.y, c.z - a.z};
  const Vec3 n{e1.y * e2.z - e1.z * e2.y, e1.z * e2.x - e1.x * e2.z, e1.x * e2.y - e1.y * e2.x};
  const float length = std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z);
  return {n.x / length, n.y / length, n.z / length};
}

float Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

TEST(ShippedModel, IsWhatItsGeneratorWrites) {
  // If this fails after a change to the generator: build/assets/model_generator assets/3dOrvane.x
  EXPECT_TRUE(ShippedText() == assets::OrvaneModelText());
}

TEST(ShippedModel, IsUnderOneMegabyteAndReadsAsACoreSpikesAndTwoRings) {
  EXPECT_LT(std::filesystem::file_size(kShippedModel), 1u << 20);

  const std::optional<Model> model = LoadModelFile(kShippedModel);

  ASSERT_TRUE(model);
  ASSERT_EQ(model->parts.size(), 4u);
  EXPECT_EQ(model->parts[0].triangles.size(), 12u * 3 * 3);        // 12 pentagons
  EXPECT_EQ(model->parts[1].triangles.size(), 12u * 5 * 3);        // 12 five-sided spikes
  EXPECT_EQ(model->parts[2].triangles.size(), 40u * 6 * 2 * 3);    // outer ring of quads
  EXPECT_EQ(model->parts[3].triangles.size(), 36u * 6 * 2 * 3);    // inner ring
  EXPECT_FLOAT_EQ(model->parts[0].material.diffuse.g, 0.76f);      // Gold, by reference
  EXPECT_FLOAT_EQ(model->parts[1].material.emissive.r, 0.45f);     // Spark, inline
  EXPECT_FLOAT_EQ(model->parts[2].material.diffuse.b, 1.0f);       // Azure
  EXPECT_FLOAT_EQ(model->parts[3].material.diffuse.r, 0.22f);
}

TEST(ShippedModel, EveryTriangleFacesTheWayItsNormalsPoint) {
  const std::optional<Model> model = LoadModelFile(kShippedModel);
  ASSERT_TRUE(model);
  for (std::size_t p = 0; p < model->parts.size(); ++p) {
    const std::vector<ModelVertex>& corners = model->parts[p].triangles;
    for (std::size_t i = 0; i + 2 < corners.size(); i += 3) {
      const Vec3 faceNormal = FaceNormal(&corners[i]);
      for (std::size_t k = 0; k < 3; ++k) {
        ASSERT_GT(Dot(faceNormal, corners[i + k].normal), 0.8f) << "part " << p << " corner " << i + k;
      }
    }
  }
}

TEST(ShippedModel, CoreAndSpikesFaceAwayFromTheMiddle) {
  const std::optional<Model> model = LoadModelFile(kShippedModel);
  ASSERT_TRUE(model);
  for (std::size_t p : {0u, 1u}) {
    const std::vector<ModelVertex>& corners = model->parts[p].triangles;
    for (std::size_t i = 0; i + 2 < corners.size(); i += 3) {
      const Vec3 centroid{(corners[i].position.x + corners[i + 1].position.x + corners[i + 2].position.x) / 3,
                          (corners[i].position.y + corners[i + 1].position.y + corners[i + 2].position.y) / 3,
                          (corners[i].position.z + corners[i + 1].position.z + corners[i + 2].position.z) / 3};
      ASSERT_GT(Dot(FaceNormal(&corners[i]), centroid), 0) << "part " << p << " triangle " << i / 3;
    }
  }
}

TEST(ShippedModel, ACorruptedCopyIsRefusedAsAWhole) {
  std::string text = ShippedText();
  text[text.find("MeshNormals") + 20] = '}';
  EXPECT_NE(ReadXModel(text).status, XReadStatus::kOk);
  EXPECT_EQ(ReadXModel(text.substr(0, text.size() / 2)).status, XReadStatus::kSyntaxError);
}

}  // namespace
}  // namespace orvane::renderer
