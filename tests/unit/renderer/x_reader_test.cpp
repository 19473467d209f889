#include "renderer/model/x_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane::renderer {
namespace {

const std::string kHeader = "xof 0303txt 0032\n";
const std::string kTriangle = "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; ";

// The model of a file that must read; empty when it does not.
Model ReadModel(const std::string& body) {
  const XReadResult result = ReadXModel(kHeader + body);
  EXPECT_EQ(result.status, XReadStatus::kOk) << "stopped on line " << result.line;
  return result.model;
}

// The corners of the triangles of a model that must be one part.
std::vector<ModelVertex> CornersOfOnePart(const Model& model) {
  EXPECT_EQ(model.parts.size(), 1u);
  return model.parts.empty() ? std::vector<ModelVertex>{} : model.parts[0].triangles;
}

void ExpectVector(const Vec3& actual, float x, float y, float z) {
  EXPECT_NEAR(actual.x, x, 1e-5f);
  EXPECT_NEAR(actual.y, y, 1e-5f);
  EXPECT_NEAR(actual.z, z, 1e-5f);
}

TEST(XReader, AQuadBecomesAFanOfTwoTrianglesWithItsOwnNormalAndTextureCoordinates) {
  const auto corners = CornersOfOnePart(ReadModel(
      "// exported by hand\n"
      "template Vector { <3D82AB5E-62DA-11cf-AB39-0020AF71E433> FLOAT x; }\n"
      "Header { 1; 0; 1; }\n"
      "Mesh { 4; 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;; 1; 4;0,1,2,3;;\n"
      " MeshNormals { 2; 1;0;0;, 0;0;-1;; 1; 4;1,1,0,1;; }\n"
      " MeshTextureCoords { 4; 0;1;, 1;1;, 1;0;, 0;0;; }\n"
      " VertexDuplicationIndices { 4; 4; 0, 1, 2, 3; }\n"
      "}\n"));

  ASSERT_EQ(corners.size(), 6u);
  // A fan from the first corner: (0, 1, 2) and (0, 2, 3), each corner with the normal its face
  // gives it.
  const float expectedX[] = {0, 1, 1, 0, 1, 0}, expectedY[] = {0, 0, 1, 0, 1, 1};
  for (std::size_t i = 0; i < corners.size(); ++i) {
    ExpectVector(corners[i].position, expectedX[i], expectedY[i], 0);
    EXPECT_FLOAT_EQ(corners[i].u, expectedX[i]);
    EXPECT_FLOAT_EQ(corners[i].v, 1 - expectedY[i]);
  }
  ExpectVector(corners[0].normal, 0, 0, -1);
  ExpectVector(corners[2].normal, 1, 0, 0);
  ExpectVector(corners[5].normal, 0, 0, -1);
}

TEST(XReader, NestedFramesApplyTheInnerMatrixFirstAndTurnNormalsWithIt) {
  // The outer frame moves by 10 along x; the inner one turns a quarter about z and doubles.
  const auto corners = CornersOfOnePart(ReadModel(
      "Frame Outer {\n"
      " FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, 10,0,0,1;; }\n"
      " Frame Inner { { SomeMesh }\n"
      "  FrameTransformMatrix { 0,2,0,0, -2,0,0,0, 0,0,2,0, 0,0,0,1;; }\n"
      "  Mesh Body-Mesh.001 { 3; 1;0;0;, 0;1;0;, 0;0;1;; 1; 3;0,1,2;;\n"
      "   MeshNormals { 1; 1;0;0;; 1; 3;0,0,0;; } }\n"
      " }\n"
      "}\n"));

  ASSERT_EQ(corners.size(), 3u);
  ExpectVector(corners[0].position, 10, 2, 0);
  ExpectVector(corners[1].position, 8, 0, 0);
  ExpectVector(corners[2].position, 10, 0, 2);
  ExpectVector(corners[0].normal, 0, 1, 0);
}

TEST(XReader, FacesAreGroupedByTheirInlineOrReferencedMaterialAndGetFlatNormalsWithoutNormals) {
  const Model model = ReadModel(
      "Material Gold { 1.0;0.8;0.2;1.0;; 20.0; 1;1;1;; 0.1;0.1;0;; }\n"
      "Mesh { 4; 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;; 4; 3;0,1,2;, 3;0,2,3;, 3;1,2,3;, 3;0,1,3;;\n"
      // The index list is one short: its last material carries on.
      " MeshMaterialList { 2; 3; 1,0,1;;\n"
      "  Material { 0.2;0.4;1.0;1.0;; 8.0; 0;0;0;; 0;0;0;; TextureFilename { \"blue.bmp\"; } }\n"
      "  { Gold }\n"
      " }\n"
      "}\n");

  ASSERT_EQ(model.parts.size(), 2u);
  EXPECT_EQ(model.parts[0].triangles.size(), 3u);
  EXPECT_FLOAT_EQ(model.parts[0].material.diffuse.b, 1.0f);
  EXPECT_FLOAT_EQ(model.parts[0].material.specularPower, 8.0f);
  EXPECT_EQ(model.parts[1].triangles.size(), 9u);
  EXPECT_FLOAT_EQ(model.parts[1].material.diffuse.g, 0.8f);
  EXPECT_FLOAT_EQ(model.parts[1].material.emissive.r, 0.1f);
  for (const ModelVertex& corner : model.parts[1].triangles) ExpectVector(corner.normal, 0, 0, 1);
}

TEST(XReader, MalformedInputEndsWithAStatusAndTheLineReadingStoppedOn) {
  const std::string mesh = kHeader + kTriangle + "3;0,1,2;;";
  const auto nested = [](int depth, const std::string& inside) {
    std::string text = kHeader;
    for (int i = 0; i < depth; ++i) text += "Frame {";
    return text + inside + std::string(static_cast<std::size_t>(depth), '}');
  };
  const struct {
    std::string text;
    XReadStatus status;
    int line;  // lines count from the header's; 0 where the line does not matter
  } cases[] = {
      {"", XReadStatus::kNotXFile, 0},
      {"BM6\x01\0\0\0\0\0\0" "6\0\0\0(\0\0\0", XReadStatus::kNotXFile, 0},
      {"xof 0303bin 0032", XReadStatus::kUnsupportedFormat, 0},
      {"xof 0303txt 0016", XReadStatus::kUnsupportedFormat, 0},
      {kHeader + "Mesh {\n-3;\n}", XReadStatus::kBadCount, 3},
      {kHeader + "Mesh {\n2.5; 0;0;0;, 1;1;1;;\n}", XReadStatus::kBadCount, 3},
      {kHeader + "Mesh {\n3; 0;0;0;, 1;0;0;, 0;1;0;;\n1;\n2;0,1;;\n}", XReadStatus::kBadCount, 5},
      {mesh + "\nMeshNormals { 1; 0;0;1;;\n2; 3;0,0,0;; }\n}", XReadStatus::kBadCount, 4},
      {mesh + "\nMeshTextureCoords {\n2; 0;0;, 1;1;; }\n}", XReadStatus::kBadCount, 4},
      {mesh + "\nMeshMaterialList { 1;\n2; 0,0;; }\n}", XReadStatus::kBadCount, 4},
      {kHeader + kTriangle + "3;0,1,3;; }", XReadStatus::kBadIndex, 0},
      {mesh + " MeshNormals { 1; 0;0;1;; 1; 3;0,1,0;; } }", XReadStatus::kBadIndex, 0},
      {mesh + " MeshMaterialList { 1; 1; 1;; Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; } } }",
       XReadStatus::kBadIndex, 0},
      {mesh, XReadStatus::kSyntaxError, 0},
      {kHeader + kTriangle + "3;0,1,2;; } @", XReadStatus::kSyntaxError, 0},
      {kHeader + "Mesh { 3; 0;0;0;, 1;0;0;, zero;1;0;; 1; 3;0,1,2;; }", XReadStatus::kSyntaxError, 0},
      {kHeader + "Mesh { 3; 0;0;0;, 1;0;0;, 1e999;1;0;; 1; 3;0,1,2;; }", XReadStatus::kSyntaxError, 0},
      {kHeader + "Frame { TextureFilename { \"unclosed\n }", XReadStatus::kSyntaxError, 0},
      {kHeader + "template Broken { <no end", XReadStatus::kSyntaxError, 0},
      {nested(100000, ""), XReadStatus::kTooDeep, 0},
      {nested(64, kTriangle + "3;0,1,2;; }"), XReadStatus::kOk, 0},
      {kHeader + "Mesh { 3; 0;0;0;, 1e39;0;0;, 0;1;0;; 1; 3;0,1,2;; }", XReadStatus::kNumberTooLarge, 0},
      {nested(1, "FrameTransformMatrix { 1e30,0,0,0, 0,1,0,0, 0,0,1,0, 0,0,0,1;; } "
                 "Mesh { 3; 0;0;0;, 1e30;0;0;, 0;1;0;; 1; 3;0,1,2;; }"),
       XReadStatus::kNumberTooLarge, 0},
      {kHeader + "Header { 1; 0; 1; }\nFrame Empty { }\n", XReadStatus::kNoMesh, 0},
  };
  for (const auto& c : cases) {
    const XReadResult result = ReadXModel(c.text);
    EXPECT_EQ(result.status, c.status) << c.text.substr(0, 200);
    EXPECT_TRUE(c.line == 0 || result.line == c.line) << c.text << " stopped on " << result.line;
    // Nothing of a refused file is drawn.
    EXPECT_EQ(result.model.parts.empty(), c.status != XReadStatus::kOk) << c.text.substr(0, 200);
  }
}

}  // namespace
}  // namespace orvane::renderer
