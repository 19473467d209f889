#include "renderer/model/x_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane::renderer {
namespace {

const std::string kHeader = "xof 0303txt 0032\n";

// A file with one mesh in it: the vertex list and face list as given, then `extra` objects.
std::string OneMesh(const std::string& vertices, const std::string& faces, const std::string& extra = "") {
  return kHeader + "Mesh {\n" + vertices + "\n" + faces + "\n" + extra + "}\n";
}

const std::string kUnitSquare = "4; 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;;";

void ExpectVector(const Vec3& actual, float x, float y, float z) {
  EXPECT_NEAR(actual.x, x, 1e-5f);
  EXPECT_NEAR(actual.y, y, 1e-5f);
  EXPECT_NEAR(actual.z, z, 1e-5f);
}

TEST(XReader, QuadBecomesTwoTrianglesWithItsVerticesNormalsAndTextureCoordinates) {
  const XReadResult result = ReadXModel(OneMesh(kUnitSquare, "1; 4;0,1,2,3;;",
                                                "MeshNormals { 1; 0;0;-1;; 1; 4;0,0,0,0;; }\n"
                                                "MeshTextureCoords { 4; 0;1;, 1;1;, 1;0;, 0;0;; }\n"));

  ASSERT_EQ(result.status, XReadStatus::kOk);
  ASSERT_EQ(result.model.parts.size(), 1u);
  const std::vector<ModelVertex>& corners = result.model.parts[0].triangles;
  ASSERT_EQ(corners.size(), 6u);
  // A fan from the first corner: (0, 1, 2) and (0, 2, 3).
  ExpectVector(corners[0].position, 0, 0, 0);
  ExpectVector(corners[1].position, 1, 0, 0);
  ExpectVector(corners[2].position, 1, 1, 0);
  ExpectVector(corners[3].position, 0, 0, 0);
  ExpectVector(corners[4].position, 1, 1, 0);
  ExpectVector(corners[5].position, 0, 1, 0);
  for (const ModelVertex& corner : corners) ExpectVector(corner.normal, 0, 0, -1);
  EXPECT_FLOAT_EQ(corners[2].u, 1);
  EXPECT_FLOAT_EQ(corners[2].v, 0);
  EXPECT_FLOAT_EQ(corners[5].u, 0);
  EXPECT_FLOAT_EQ(corners[5].v, 0);
}

TEST(XReader, PentagonBecomesAFanOfThreeTriangles) {
  const XReadResult result =
      ReadXModel(OneMesh("5; 0;0;0;, 2;0;0;, 3;1;0;, 1;2;0;, -1;1;0;;", "1; 5;0,1,2,3,4;;"));

  ASSERT_EQ(result.status, XReadStatus::kOk);
  const std::vector<ModelVertex>& corners = result.model.parts[0].triangles;
  ASSERT_EQ(corners.size(), 9u);
  const float expectedX[] = {0, 2, 3, 0, 3, 1, 0, 1, -1};
  for (std::size_t i = 0; i < corners.size(); ++i) EXPECT_FLOAT_EQ(corners[i].position.x, expectedX[i]) << i;
}

TEST(XReader, NormalsFollowTheirOwnFaceIndicesNotTheVertexIndices) {
  // Two triangles share vertices 0 and 2 but give them different normals.
  const XReadResult result = ReadXModel(
      OneMesh(kUnitSquare, "2; 3;0,1,2;, 3;0,2,3;;",
              "MeshNormals { 3; 1;0;0;, 0;1;0;, 0;0;1;; 2; 3;0,0,1;, 3;2,2,2;; }\n"));

  ASSERT_EQ(result.status, XReadStatus::kOk);
  const std::vector<ModelVertex>& corners = result.model.parts[0].triangles;
  ExpectVector(corners[0].normal, 1, 0, 0);
  ExpectVector(corners[2].normal, 0, 1, 0);
  ExpectVector(corners[3].normal, 0, 0, 1);
  ExpectVector(corners[4].normal, 0, 0, 1);
}

TEST(XReader, MeshWithoutNormalsGetsTheFlatNormalOfEachFace) {
  const XReadResult result = ReadXModel(OneMesh("3; 0;0;0;, 1;0;0;, 0;1;0;;", "1; 3;0,1,2;;"));

  ASSERT_EQ(result.status, XReadStatus::kOk);
  for (const ModelVertex& corner : result.model.parts[0].triangles) ExpectVector(corner.normal, 0, 0, 1);
}

TEST(XReader, NestedFramesApplyTheInnerMatrixFirstAndTurnNormalsWithIt) {
  // The outer frame moves by 10 along x; the inner one turns a quarter about z and doubles.
  const XReadResult result = ReadXModel(kHeader +
                                        "Frame Outer {\n"
                                        " FrameTransformMatrix { 1,0,0,0, 0,1,0,0, 0,0,1,0, 10,0,0,1;; }\n"
                                        " Frame Inner {\n"
                                        "  FrameTransformMatrix { 0,2,0,0, -2,0,0,0, 0,0,2,0, 0,0,0,1;; }\n"
                                        "  Mesh { 3; 1;0;0;, 0;1;0;, 0;0;1;; 1; 3;0,1,2;;\n"
                                        "   MeshNormals { 1; 1;0;0;; 1; 3;0,0,0;; } }\n"
                                        " }\n"
                                        "}\n");

  ASSERT_EQ(result.status, XReadStatus::kOk);
  const std::vector<ModelVertex>& corners = result.model.parts[0].triangles;
  ExpectVector(corners[0].position, 10, 2, 0);
  ExpectVector(corners[1].position, 8, 0, 0);
  ExpectVector(corners[2].position, 10, 0, 2);
  ExpectVector(corners[0].normal, 0, 1, 0);
}

TEST(XReader, FacesAreGroupedByMaterialFromInlineAndReferencedMaterials) {
  const XReadResult result = ReadXModel(
      kHeader +
      "Material Gold { 1.0;0.8;0.2;1.0;; 20.0; 1;1;1;; 0.1;0.1;0;; }\n"
      "Mesh { 4; 0;0;0;, 1;0;0;, 1;1;0;, 0;1;0;; 3; 3;0,1,2;, 3;0,2,3;, 3;1,2,3;;\n"
      " MeshMaterialList { 2; 3; 1,0,1;;\n"
      "  Material { 0.2;0.4;1.0;1.0;; 8.0; 0;0;0;; 0;0;0;; TextureFilename { \"blue.bmp\"; } }\n"
      "  { Gold }\n"
      " }\n"
      "}\n");

  ASSERT_EQ(result.status, XReadStatus::kOk);
  ASSERT_EQ(result.model.parts.size(), 2u);
  EXPECT_EQ(result.model.parts[0].triangles.size(), 3u);
  EXPECT_FLOAT_EQ(result.model.parts[0].material.diffuse.b, 1.0f);
  EXPECT_FLOAT_EQ(result.model.parts[0].material.specularPower, 8.0f);
  EXPECT_EQ(result.model.parts[1].triangles.size(), 6u);
  EXPECT_FLOAT_EQ(result.model.parts[1].material.diffuse.g, 0.8f);
  EXPECT_FLOAT_EQ(result.model.parts[1].material.emissive.r, 0.1f);
}

TEST(XReader, AShortMaterialIndexListCarriesItsLastMaterialOn) {
  const XReadResult result = ReadXModel(OneMesh(
      kUnitSquare, "3; 3;0,1,2;, 3;0,2,3;, 3;1,2,3;;",
      "MeshMaterialList { 2; 1; 1;; Material { 1;0;0;1;; 0; 0;0;0;; 0;0;0;; } Material { 0;1;0;1;; 0; 0;0;0;; 0;0;0;; } }\n"));

  ASSERT_EQ(result.status, XReadStatus::kOk);
  ASSERT_EQ(result.model.parts.size(), 1u);
  EXPECT_EQ(result.model.parts[0].triangles.size(), 9u);
  EXPECT_FLOAT_EQ(result.model.parts[0].material.diffuse.g, 1.0f);
}

TEST(XReader, SkipsTemplatesCommentsAndObjectsItDoesNotUse) {
  const XReadResult result = ReadXModel(
      kHeader +
      "// exported by hand\n"
      "template Vector { <3D82AB5E-62DA-11cf-AB39-0020AF71E433> FLOAT x; FLOAT y; FLOAT z; }\n"
      "Header { 1; 0; 1; }\n"
      "# a comment of the other kind\n"
      "AnimationSet Idle { Animation { { Body } AnimationKey { 0; 1; 0; 4; 1,0,0,0;;; } } }\n"
      "Frame Body { { SomeMesh }\n"
      " Mesh Body-Mesh.001 { <01234567-89AB-CDEF-0123-456789ABCDEF>\n"
      "  3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;;\n"
      "  VertexDuplicationIndices { 3; 3; 0, 1, 2; }\n"
      " }\n"
      "}\n");

  ASSERT_EQ(result.status, XReadStatus::kOk);
  EXPECT_EQ(result.model.parts[0].triangles.size(), 3u);
}

TEST(XReader, HeadersOtherThanTextFormatAreRejected) {
  const struct {
    std::string text;
    XReadStatus expected;
  } cases[] = {
      {"", XReadStatus::kNotXFile},
      {"xof 0303txt", XReadStatus::kNotXFile},
      {"BM6\x01\0\0\0\0\0\0" "6\0\0\0(\0\0\0", XReadStatus::kNotXFile},
      {"xof 0303bin 0032", XReadStatus::kUnsupportedFormat},
      {"xof 0303tzip0032", XReadStatus::kUnsupportedFormat},
      {"xof 0303txt 0016", XReadStatus::kUnsupportedFormat},
      {"xof 0201txt 0032", XReadStatus::kUnsupportedFormat},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadXModel(c.text).status, c.expected) << c.text;
}

// Lines count from the header's, so a body starting after it is on line 2.
TEST(XReader, BadCountsAreRejectedWithTheLineTheyAreOn) {
  const struct {
    std::string body;
    int line;
  } cases[] = {
      {"Mesh {\n-3;\n}", 3},                                           // negative
      {"Mesh {\n2.5; 0;0;0;, 1;1;1;;\n}", 3},                          // fractional
      {"Mesh {\n4000000000; 0;0;0;\n}", 3},                            // more than the text could hold
      {"Mesh {\n3; 0;0;0;, 1;0;0;, 0;1;0;;\n1;\n2;0,1;;\n}", 5},       // a face of two vertices
      {"Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;;\nMeshNormals { 1; 0;0;1;;\n2; 3;0,0,0;; }\n}", 4},
      {"Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;;\nMeshNormals { 1; 0;0;1;; 1;\n4;0,0,0,0;; }\n}", 4},
      {"Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;;\nMeshTextureCoords {\n2; 0;0;, 1;1;; }\n}", 4},
      {"Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;;\nMeshMaterialList { 1;\n2; 0,0;; }\n}", 4},
  };
  for (const auto& c : cases) {
    const XReadResult result = ReadXModel(kHeader + c.body);
    EXPECT_EQ(result.status, XReadStatus::kBadCount) << c.body;
    EXPECT_EQ(result.line, c.line) << c.body;
    EXPECT_TRUE(result.model.parts.empty());
  }
}

TEST(XReader, IndicesOutsideTheirListsAreRejected) {
  const std::string triangle = "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; ";
  for (const std::string& body : {
           triangle + "3;0,1,3;; }",
           triangle + "3;0,-1,2;; }",
           triangle + "3;0,1.5,2;; }",
           triangle + "3;0,1,2;; MeshNormals { 1; 0;0;1;; 1; 3;0,1,0;; } }",
           triangle + "3;0,1,2;; MeshMaterialList { 1; 1; 1;; Material { 1;1;1;1;; 0; 0;0;0;; 0;0;0;; } } }",
       }) {
    EXPECT_EQ(ReadXModel(kHeader + body).status, XReadStatus::kBadIndex) << body;
  }
}

TEST(XReader, BrokenTextIsASyntaxErrorNotACrash) {
  for (const std::string& body : {
           std::string("Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;;"),  // never closed
           std::string("Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; } }"),
           std::string("Mesh { 3; 0;0;0;, 1;0;0;, zero;1;0;; 1; 3;0,1,2;; }"),
           std::string("Mesh { 3; 0;0;0;, 1;0;0;, 1e999;1;0;; 1; 3;0,1,2;; }"),
           std::string("Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; } @"),
           std::string("Frame { TextureFilename { \"unclosed\n }"),
           std::string("template Broken { <no end"),
       }) {
    EXPECT_EQ(ReadXModel(kHeader + body).status, XReadStatus::kSyntaxError) << body;
  }
}

TEST(XReader, FramesNestedTooDeeplyAreRejected) {
  std::string nested = kHeader;
  for (int i = 0; i < 100000; ++i) nested += "Frame {";
  EXPECT_EQ(ReadXModel(nested).status, XReadStatus::kTooDeep);

  std::string allowed = kHeader;
  for (int i = 0; i < 64; ++i) allowed += "Frame {";
  allowed += "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 3;0,1,2;; }" + std::string(64, '}');
  EXPECT_EQ(ReadXModel(allowed).status, XReadStatus::kOk);
}

TEST(XReader, NumbersBeyondAFloatAreRejectedAsReadAndAsMoved) {
  EXPECT_EQ(ReadXModel(OneMesh("3; 0;0;0;, 1e39;0;0;, 0;1;0;;", "1; 3;0,1,2;;")).status,
            XReadStatus::kNumberTooLarge);
  const XReadResult moved = ReadXModel(kHeader +
                                       "Frame { FrameTransformMatrix { 1e30,0,0,0, 0,1,0,0, 0,0,1,0, 0,0,0,1;; }\n"
                                       " Mesh { 3; 0;0;0;, 1e30;0;0;, 0;1;0;; 1; 3;0,1,2;; } }\n");
  EXPECT_EQ(moved.status, XReadStatus::kNumberTooLarge);
  EXPECT_TRUE(moved.model.parts.empty());
}

TEST(XReader, AFileWithoutTrianglesSaysSo) {
  EXPECT_EQ(ReadXModel(kHeader + "Header { 1; 0; 1; }\nFrame Empty { }\n").status, XReadStatus::kNoMesh);
  EXPECT_EQ(ReadXModel(kHeader + "Mesh { 0;; 0;; }").status, XReadStatus::kNoMesh);
}

}  // namespace
}  // namespace orvane::renderer
