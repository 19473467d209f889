#include "renderer/model/x_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane::renderer {
namespace {

const std::string kHeader = "xof 0303txt 0032\n";
const std::string kTriangle = "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; ";

// Well-formed files are read on the shipped model, and malformed ones fuzzed as well: here each
// way a file is refused.
TEST(XReader, MalformedInputIsRefusedWithItsReason) {
  const std::string mesh = kHeader + kTriangle + "3;0,1,2;;";
  const auto nested = [](int depth, const std::string& inside) {
    std::string text = kHeader;
    for (int i = 0; i < depth; ++i) text += "Frame {";
    return text + inside + std::string(static_cast<std::size_t>(depth), '}');
  };
  const std::pair<std::string, XReadStatus> cases[] = {
      {"BM6\x01\0\0\0\0\0\0" "6\0\0\0(\0\0\0", XReadStatus::kNotXFile},
      {"xof 0303bin 0032", XReadStatus::kUnsupportedFormat},
      {kHeader + "Mesh {\n2.5; 0;0;0;, 1;1;1;;\n}", XReadStatus::kBadCount},
      {mesh + "\nMeshTextureCoords {\n2; 0;0;, 1;1;; }\n}", XReadStatus::kBadCount},
      {kHeader + kTriangle + "3;0,1,3;; }", XReadStatus::kBadIndex},
      {mesh + " MeshNormals { 1; 0;0;1;; 1; 3;0,1,0;; } }", XReadStatus::kBadIndex},
      {mesh, XReadStatus::kSyntaxError},
      {kHeader + "Frame { TextureFilename { \"unclosed\n }", XReadStatus::kSyntaxError},
      {nested(100000, ""), XReadStatus::kTooDeep},
      {nested(64, kTriangle + "3;0,1,2;; }"), XReadStatus::kOk},
      {nested(1, "FrameTransformMatrix { 1e30,0,0,0, 0,1,0,0, 0,0,1,0, 0,0,0,1;; } "
                 "Mesh { 3; 0;0;0;, 1e30;0;0;, 0;1;0;; 1; 3;0,1,2;; }"),
       XReadStatus::kNumberTooLarge},
      {kHeader + "Header { 1; 0; 1; }\nFrame Empty { }\n", XReadStatus::kNoMesh},
  };
  for (const auto& [text, status] : cases) {
    const XReadResult result = ReadXModel(text);
    EXPECT_EQ(result.status, status) << text.substr(0, 200);
    // Nothing of a refused file is drawn.
    EXPECT_EQ(result.model.parts.empty(), status != XReadStatus::kOk) << text.substr(0, 200);
  }
}

}  // namespace
}  // namespace orvane::renderer
