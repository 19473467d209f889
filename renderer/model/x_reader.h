#pragma once

#include <cstddef>
#include <string_view>

#include "renderer/model/model.h"

namespace orvane::renderer {

enum class XReadStatus {
  kOk,
  kNotXFile,           // the first 16 bytes are not an .x header
  kUnsupportedFormat,  // binary or compressed .x, or an unknown version or float size
  kSyntaxError,        // a token where the format wants another
  kBadCount,           // a count that is negative, fractional, too large or inconsistent
  kBadIndex,           // a vertex, normal or material index outside its list
  kTooDeep,            // frames nested deeper than the reader follows
  kNumberTooLarge,     // a position beyond what a float holds once the frames have moved it
  kNoMesh,             // a well-formed file without a single triangle
  kTooLarge,           // a model that would take more memory than its file's size allows
};

// What reading a text may allocate: a multiple of its size plus a fixed amount, so that
// whatever a file declares, it costs no more than a file of its size could.
struct XMemoryLimit {
  std::size_t perTextByte = 8;
  std::size_t fixedBytes = std::size_t{16} << 20;

  std::size_t For(std::size_t textSize) const;
};

struct XReadResult {
  XReadStatus status = XReadStatus::kOk;
  int line = 0;  // where reading stopped, for a failure
  Model model;
};

// Reads the text form of a DirectX .x model ("xof 0303txt 0032"): templates are skipped;
// every Mesh, in any nesting of Frames with their FrameTransformMatrix, becomes triangles
// (faces of any vertex count are split into fans) with normals from MeshNormals, texture
// coordinates from MeshTextureCoords and colours from MeshMaterialList. Counts are checked
// against the text that is left and every index against its list, and every allocation against
// `limit`, so malformed or hostile input ends with a failure status rather than a crash.
XReadResult ReadXModel(std::string_view text, const XMemoryLimit& limit = {});

}  // namespace orvane::renderer
