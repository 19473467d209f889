#include "renderer/model/x_reader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <string>

#include "renderer/model/memory_allowance.h"
#include "renderer/model/x_tokenizer.h"

namespace orvane::renderer {
namespace {

constexpr std::size_t kHeaderSize = 16;
constexpr int kMaxFrameDepth = 64;
// Keeps every count small enough for 32-bit index arithmetic whatever the file says.
constexpr std::uint32_t kMaxCount = 1u << 24;
// The fewest bytes of text each list item takes. A number takes two at least, its digit and a
// separator, blank or sign before it: without one it would run into the number before.
constexpr std::size_t kNumberBytes = 2;
constexpr std::size_t kVectorBytes = 3 * kNumberBytes;
constexpr std::size_t kFaceBytes = 4 * kNumberBytes;  // a corner count and three corners
constexpr std::size_t kMaterialBytes = 3;             // "{A}", a reference by name
// A std::map node: the tree's links and colour beside the key and the value.
constexpr std::size_t kMapNodeOverhead = 8 * sizeof(void*);

// Row-major with row vectors, p' = p * M, as .x files write their matrices.
using Matrix = std::array<float, 16>;
constexpr Matrix kIdentity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

Matrix Multiply(const Matrix& a, const Matrix& b) {
  Matrix product{};
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      float sum = 0;
      for (int k = 0; k < 4; ++k) sum += a[row * 4 + k] * b[k * 4 + column];
      product[row * 4 + column] = sum;
    }
  }
  return product;
}

struct Failure {
  XReadStatus status;
  int line;
};

struct RawMesh {
  std::vector<Vec3> positions;
  std::vector<std::uint32_t> faceSizes;
  std::vector<std::uint32_t> faceIndices;  // all faces' vertex indices, one after the other
  std::vector<Vec3> normals;
  std::vector<std::uint32_t> normalIndices;  // parallel to faceIndices; empty without normals
  std::vector<std::array<float, 2>> textureCoords;
  std::vector<Material> materials;
  std::vector<std::uint32_t> faceMaterials;  // one per face; empty without a material list
};

struct FrameNode {
  Matrix local = kIdentity;
  std::vector<RawMesh> meshes;
  std::vector<FrameNode> children;
};

// Throws the failure for an allocation the allowance refused.
void Require(bool charged, int line) {
  if (!charged) throw Failure{XReadStatus::kTooLarge, line};
}

class XParser {
 public:
  XParser(std::string_view body, MemoryAllowance& allowance) : tokens_(body), allowance_(allowance) {}

  FrameNode ParseFile() {
    FrameNode root;
    for (;;) {
      SkipSeparators();
      const XToken token = tokens_.Next();
      if (token.kind == XTokenKind::kEnd) return root;
      if (token.kind != XTokenKind::kName) Fail(XReadStatus::kSyntaxError, token);
      if (token.text == "template") {
        Expect(XTokenKind::kName);
        Expect(XTokenKind::kOpenBrace);
        SkipBody();
      } else if (token.text == "Material") {
        const std::string name = OpenBody();
        const Material material = ParseMaterialBody();
        Require(allowance_.Charge(1, kMapNodeOverhead + sizeof(std::string) + sizeof(Material) + name.size() + 1),
                token.line);
        namedMaterials_[name] = material;
      } else {
        ParseMember(token, root, 0);
      }
    }
  }

 private:
  [[noreturn]] static void Fail(XReadStatus status, const XToken& token) {
    throw Failure{status, token.line};
  }

  template <typename T>
  void Reserve(std::vector<T>& items, std::size_t count) {
    Require(allowance_.Reserve(items, count), tokens_.Peek().line);
  }

  template <typename T>
  void Append(std::vector<T>& items, T item) {
    Require(allowance_.Append(items, std::move(item)), tokens_.Peek().line);
  }

  XToken Expect(XTokenKind kind) {
    const XToken token = tokens_.Next();
    if (token.kind != kind) Fail(XReadStatus::kSyntaxError, token);
    return token;
  }

  void SkipSeparators() {
    while (tokens_.Peek().kind == XTokenKind::kSeparator) tokens_.Next();
  }

  // The next token that is not a separator, left unread.
  XToken PeekItem() {
    SkipSeparators();
    return tokens_.Peek();
  }

  // After a data object's type: its optional name, the '{' and an optional GUID.
  std::string OpenBody() {
    std::string name;
    if (tokens_.Peek().kind == XTokenKind::kName) {
      const XToken token = tokens_.Next();
      Require(allowance_.Charge(token.text.size() + 1, 1), token.line);
      name = std::string(token.text);
    }
    Expect(XTokenKind::kOpenBrace);
    if (tokens_.Peek().kind == XTokenKind::kGuid) tokens_.Next();
    return name;
  }

  // Everything up to and including the '}' that closes the body already opened.
  void SkipBody() {
    for (int open = 1; open > 0;) {
      const XToken token = tokens_.Next();
      if (token.kind == XTokenKind::kOpenBrace) ++open;
      if (token.kind == XTokenKind::kCloseBrace) --open;
      if (token.kind == XTokenKind::kEnd || token.kind == XTokenKind::kInvalid) {
        Fail(XReadStatus::kSyntaxError, token);
      }
    }
  }

  float ReadNumber() {
    SkipSeparators();
    const XToken token = Expect(XTokenKind::kNumber);
    if (std::abs(token.number) > std::numeric_limits<float>::max()) Fail(XReadStatus::kNumberTooLarge, token);
    return static_cast<float>(token.number);
  }

  // The count of a list whose items take `bytesPerItem` bytes of text at least: one that the
  // text left cannot hold is a lie, refused before anything is allocated for it.
  std::uint32_t ReadCount(std::size_t bytesPerItem) {
    SkipSeparators();
    const XToken token = Expect(XTokenKind::kNumber);
    const double limit = std::min<double>(kMaxCount, static_cast<double>(tokens_.BytesAfter(token) / bytesPerItem));
    if (!token.integral || token.number < 0 || token.number > limit) {
      Fail(XReadStatus::kBadCount, token);
    }
    return static_cast<std::uint32_t>(token.number);
  }

  std::uint32_t ReadIndex(std::size_t listSize) {
    SkipSeparators();
    const XToken token = Expect(XTokenKind::kNumber);
    if (!token.integral || token.number < 0 || token.number >= static_cast<double>(listSize)) {
      Fail(XReadStatus::kBadIndex, token);
    }
    return static_cast<std::uint32_t>(token.number);
  }

  Vec3 ReadVector() {
    Vec3 vector;
    vector.x = ReadNumber();
    vector.y = ReadNumber();
    vector.z = ReadNumber();
    return vector;
  }

  Colour ReadColour(bool withAlpha) {
    Colour colour;
    colour.r = ReadNumber();
    colour.g = ReadNumber();
    colour.b = ReadNumber();
    if (withAlpha) colour.a = ReadNumber();
    return colour;
  }

  // One member of a frame body (or of the file's top level) whose type token was just read.
  void ParseMember(const XToken& type, FrameNode& frame, int depth) {
    if (type.text == "Frame") {
      if (depth >= kMaxFrameDepth) Fail(XReadStatus::kTooDeep, type);
      OpenBody();
      Append(frame.children, FrameNode{});
      ParseFrameBody(frame.children.back(), depth + 1);
    } else if (type.text == "FrameTransformMatrix") {
      OpenBody();
      for (float& element : frame.local) element = ReadNumber();
      SkipBody();
    } else if (type.text == "Mesh") {
      OpenBody();
      Append(frame.meshes, ParseMeshBody());
    } else {
      OpenBody();
      SkipBody();
    }
  }

  void ParseFrameBody(FrameNode& frame, int depth) {
    for (;;) {
      SkipSeparators();
      const XToken token = tokens_.Next();
      if (token.kind == XTokenKind::kCloseBrace) return;
      if (token.kind == XTokenKind::kOpenBrace) {
        SkipBody();  // a reference to an object elsewhere in the file
      } else if (token.kind == XTokenKind::kName) {
        ParseMember(token, frame, depth);
      } else {
        Fail(XReadStatus::kSyntaxError, token);
      }
    }
  }

  RawMesh ParseMeshBody() {
    RawMesh mesh;
    const std::uint32_t vertexCount = ReadCount(kVectorBytes);
    Reserve(mesh.positions, vertexCount);
    for (std::uint32_t i = 0; i < vertexCount; ++i) mesh.positions.push_back(ReadVector());
    const std::uint32_t faceCount = ReadCount(kFaceBytes);
    Reserve(mesh.faceSizes, faceCount);
    for (std::uint32_t face = 0; face < faceCount; ++face) {
      const XToken sizeToken = PeekItem();
      const std::uint32_t size = ReadCount(kNumberBytes);
      if (size < 3) Fail(XReadStatus::kBadCount, sizeToken);
      mesh.faceSizes.push_back(size);
      for (std::uint32_t corner = 0; corner < size; ++corner) Append(mesh.faceIndices, ReadIndex(vertexCount));
    }
    for (;;) {
      SkipSeparators();
      const XToken token = tokens_.Next();
      if (token.kind == XTokenKind::kCloseBrace) return mesh;
      if (token.kind == XTokenKind::kOpenBrace) {
        SkipBody();
        continue;
      }
      if (token.kind != XTokenKind::kName) Fail(XReadStatus::kSyntaxError, token);
      OpenBody();
      if (token.text == "MeshNormals") {
        ParseNormalsBody(mesh);
      } else if (token.text == "MeshTextureCoords") {
        ParseTextureCoordsBody(mesh);
      } else if (token.text == "MeshMaterialList") {
        ParseMaterialListBody(mesh);
      } else {
        SkipBody();
      }
    }
  }

  void ParseNormalsBody(RawMesh& mesh) {
    const std::uint32_t normalCount = ReadCount(kVectorBytes);
    mesh.normals.clear();
    Reserve(mesh.normals, normalCount);
    for (std::uint32_t i = 0; i < normalCount; ++i) mesh.normals.push_back(ReadVector());
    const XToken faceCountToken = PeekItem();
    if (ReadCount(kFaceBytes) != mesh.faceSizes.size()) Fail(XReadStatus::kBadCount, faceCountToken);
    mesh.normalIndices.clear();
    Reserve(mesh.normalIndices, mesh.faceIndices.size());
    for (const std::uint32_t faceSize : mesh.faceSizes) {
      const XToken sizeToken = PeekItem();
      if (ReadCount(kNumberBytes) != faceSize) Fail(XReadStatus::kBadCount, sizeToken);
      for (std::uint32_t corner = 0; corner < faceSize; ++corner) {
        mesh.normalIndices.push_back(ReadIndex(normalCount));
      }
    }
    SkipBody();
  }

  void ParseTextureCoordsBody(RawMesh& mesh) {
    const XToken countToken = PeekItem();
    if (ReadCount(2 * kNumberBytes) != mesh.positions.size()) Fail(XReadStatus::kBadCount, countToken);
    mesh.textureCoords.clear();
    Reserve(mesh.textureCoords, mesh.positions.size());
    for (std::size_t i = 0; i < mesh.positions.size(); ++i) {
      const float u = ReadNumber();
      mesh.textureCoords.push_back({u, ReadNumber()});
    }
    SkipBody();
  }

  void ParseMaterialListBody(RawMesh& mesh) {
    const std::uint32_t materialCount = ReadCount(kMaterialBytes);
    const XToken indexCountToken = PeekItem();
    const std::uint32_t indexCount = ReadCount(kNumberBytes);
    if (indexCount > mesh.faceSizes.size()) Fail(XReadStatus::kBadCount, indexCountToken);
    mesh.faceMaterials.clear();
    Reserve(mesh.faceMaterials, mesh.faceSizes.size());
    for (std::uint32_t i = 0; i < indexCount; ++i) {
      mesh.faceMaterials.push_back(ReadIndex(materialCount));
    }
    // Exporters write fewer indices than faces when the last material runs to the end.
    const std::uint32_t last = mesh.faceMaterials.empty() ? 0 : mesh.faceMaterials.back();
    mesh.faceMaterials.resize(mesh.faceSizes.size(), last);

    mesh.materials.clear();
    for (;;) {
      SkipSeparators();
      const XToken token = tokens_.Next();
      if (token.kind == XTokenKind::kCloseBrace) break;
      if (token.kind == XTokenKind::kOpenBrace) {
        Append(mesh.materials, ReferencedMaterial());
      } else if (token.kind == XTokenKind::kName && token.text == "Material") {
        OpenBody();
        Append(mesh.materials, ParseMaterialBody());
      } else if (token.kind == XTokenKind::kName) {
        OpenBody();
        SkipBody();
      } else {
        Fail(XReadStatus::kSyntaxError, token);
      }
    }
  }

  // "{ Name }" naming a Material given earlier at the top level; an unknown one gets the default.
  Material ReferencedMaterial() {
    Material material;
    const XToken token = tokens_.Next();
    if (token.kind == XTokenKind::kName) {
      const auto found = namedMaterials_.find(token.text);
      if (found != namedMaterials_.end()) material = found->second;
    } else if (token.kind != XTokenKind::kGuid) {
      Fail(XReadStatus::kSyntaxError, token);
    }
    SkipSeparators();
    Expect(XTokenKind::kCloseBrace);
    return material;
  }

  Material ParseMaterialBody() {
    Material material;
    material.diffuse = ReadColour(true);
    material.specularPower = ReadNumber();
    material.specular = ReadColour(false);
    material.emissive = ReadColour(false);
    SkipBody();
    return material;
  }

  XTokenizer tokens_;
  MemoryAllowance& allowance_;
  std::map<std::string, Material, std::less<>> namedMaterials_;
};

Vec3 TransformPoint(const Vec3& p, const Matrix& m) {
  const Vec3 moved{p.x * m[0] + p.y * m[4] + p.z * m[8] + m[12], p.x * m[1] + p.y * m[5] + p.z * m[9] + m[13],
                   p.x * m[2] + p.y * m[6] + p.z * m[10] + m[14]};
  if (!std::isfinite(moved.x) || !std::isfinite(moved.y) || !std::isfinite(moved.z)) {
    throw Failure{XReadStatus::kNumberTooLarge, 0};
  }
  return moved;
}

Vec3 Normalized(const Vec3& v) {
  const float length = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  if (!(length > 1e-20f) || !std::isfinite(length)) return {0, 0, 1};
  return {v.x / length, v.y / length, v.z / length};
}

// Normals follow the inverse transpose of the matrix's 3 x 3 part; its cofactor matrix times the
// sign of the determinant points the same way and needs no division.
Matrix NormalMatrix(const Matrix& m) {
  const float a00 = m[0], a01 = m[1], a02 = m[2], a10 = m[4], a11 = m[5], a12 = m[6];
  const float a20 = m[8], a21 = m[9], a22 = m[10];
  Matrix c = kIdentity;
  c[0] = a11 * a22 - a12 * a21;
  c[1] = a12 * a20 - a10 * a22;
  c[2] = a10 * a21 - a11 * a20;
  c[4] = a02 * a21 - a01 * a22;
  c[5] = a00 * a22 - a02 * a20;
  c[6] = a01 * a20 - a00 * a21;
  c[8] = a01 * a12 - a02 * a11;
  c[9] = a02 * a10 - a00 * a12;
  c[10] = a00 * a11 - a01 * a10;
  const float determinant = a00 * c[0] + a01 * c[1] + a02 * c[2];
  if (determinant < 0) {
    for (float& element : c) element = -element;
  }
  c[15] = 1;
  return c;
}

Vec3 TransformNormal(const Vec3& n, const Matrix& m) {
  return Normalized({n.x * m[0] + n.y * m[4] + n.z * m[8], n.x * m[1] + n.y * m[5] + n.z * m[9],
                     n.x * m[2] + n.y * m[6] + n.z * m[10]});
}

// A face without its own normals gets the Newell normal of its polygon.
Vec3 FaceNormal(const RawMesh& mesh, std::size_t first, std::uint32_t size) {
  Vec3 sum;
  for (std::uint32_t corner = 0; corner < size; ++corner) {
    const Vec3& a = mesh.positions[mesh.faceIndices[first + corner]];
    const Vec3& b = mesh.positions[mesh.faceIndices[first + (corner + 1) % size]];
    sum.x += (a.y - b.y) * (a.z + b.z);
    sum.y += (a.z - b.z) * (a.x + b.x);
    sum.z += (a.x - b.x) * (a.y + b.y);
  }
  return Normalized(sum);
}

// Corner `k` of the face whose corners start at `first`, ready for drawing.
ModelVertex Corner(const RawMesh& mesh, std::size_t first, std::uint32_t k, const Vec3& flatNormal,
                   const Matrix& world, const Matrix& normalMatrix) {
  const std::uint32_t index = mesh.faceIndices[first + k];
  ModelVertex vertex;
  vertex.position = TransformPoint(mesh.positions[index], world);
  vertex.normal = mesh.normalIndices.empty()
                      ? TransformNormal(flatNormal, normalMatrix)
                      : TransformNormal(mesh.normals[mesh.normalIndices[first + k]], normalMatrix);
  if (!mesh.textureCoords.empty()) {
    vertex.u = mesh.textureCoords[index][0];
    vertex.v = mesh.textureCoords[index][1];
  }
  return vertex;
}

// One part per material the faces use, in the order of the materials' indices; an index
// without a material written in the file gets the default one. Triangles are counted before
// they are stored, so each part allocates exactly what it holds.
void AppendMesh(const RawMesh& mesh, const Matrix& world, Model& model, MemoryAllowance& allowance) {
  std::vector<std::uint32_t> used;
  Require(allowance.Reserve(used, std::max<std::size_t>(mesh.faceMaterials.size(), 1)), 0);
  used.assign(mesh.faceMaterials.begin(), mesh.faceMaterials.end());
  if (used.empty()) used.push_back(0);
  std::sort(used.begin(), used.end());
  used.erase(std::unique(used.begin(), used.end()), used.end());
  const auto partOf = [&](std::size_t face) -> std::size_t {
    if (mesh.faceMaterials.empty()) return 0;
    return static_cast<std::size_t>(std::lower_bound(used.begin(), used.end(), mesh.faceMaterials[face]) - used.begin());
  };

  std::vector<std::size_t> corners;
  Require(allowance.Reserve(corners, used.size()), 0);
  corners.resize(used.size());
  for (std::size_t face = 0; face < mesh.faceSizes.size(); ++face) corners[partOf(face)] += 3 * (mesh.faceSizes[face] - 2);
  std::vector<ModelPart> parts;
  Require(allowance.Reserve(parts, used.size()), 0);
  for (std::size_t p = 0; p < used.size(); ++p) {
    parts.emplace_back();
    if (used[p] < mesh.materials.size()) parts[p].material = mesh.materials[used[p]];
    Require(allowance.Reserve(parts[p].triangles, corners[p]), 0);
  }

  const Matrix normalMatrix = NormalMatrix(world);
  std::size_t first = 0;
  for (std::size_t face = 0; face < mesh.faceSizes.size(); ++face) {
    const std::uint32_t size = mesh.faceSizes[face];
    const Vec3 flatNormal = mesh.normalIndices.empty() ? FaceNormal(mesh, first, size) : Vec3{};
    std::vector<ModelVertex>& triangles = parts[partOf(face)].triangles;
    for (std::uint32_t k = 1; k + 1 < size; ++k) {
      triangles.push_back(Corner(mesh, first, 0, flatNormal, world, normalMatrix));
      triangles.push_back(Corner(mesh, first, k, flatNormal, world, normalMatrix));
      triangles.push_back(Corner(mesh, first, k + 1, flatNormal, world, normalMatrix));
    }
    first += size;
  }
  for (ModelPart& part : parts) {
    if (!part.triangles.empty()) Require(allowance.Append(model.parts, std::move(part)), 0);
  }
}

void AppendFrame(const FrameNode& frame, const Matrix& parentWorld, Model& model, MemoryAllowance& allowance) {
  const Matrix world = Multiply(frame.local, parentWorld);
  for (const RawMesh& mesh : frame.meshes) AppendMesh(mesh, world, model, allowance);
  for (const FrameNode& child : frame.children) AppendFrame(child, world, model, allowance);
}

bool IsSupportedHeader(std::string_view header) {
  const std::string_view version = header.substr(4, 4);
  const std::string_view floatSize = header.substr(12, 4);
  return (version == "0302" || version == "0303") && header.substr(8, 4) == "txt " &&
         (floatSize == "0032" || floatSize == "0064");
}

}  // namespace

std::size_t XMemoryLimit::For(std::size_t textSize) const {
  const std::size_t most = std::numeric_limits<std::size_t>::max();
  if (perTextByte != 0 && textSize > (most - fixedBytes) / perTextByte) return most;
  return textSize * perTextByte + fixedBytes;
}

XReadResult ReadXModel(std::string_view text, const XMemoryLimit& limit) {
  XReadResult result;
  if (text.size() < kHeaderSize || text.substr(0, 4) != "xof ") {
    result.status = XReadStatus::kNotXFile;
    return result;
  }
  if (!IsSupportedHeader(text.substr(0, kHeaderSize))) {
    result.status = XReadStatus::kUnsupportedFormat;
    return result;
  }
  try {
    MemoryAllowance allowance(limit.For(text.size()));
    XParser parser(text.substr(kHeaderSize), allowance);
    AppendFrame(parser.ParseFile(), kIdentity, result.model, allowance);
  } catch (const Failure& failure) {
    result.status = failure.status;
    result.line = failure.line;
    result.model = {};
    return result;
  }
  if (result.model.parts.empty()) result.status = XReadStatus::kNoMesh;
  return result;
}

}  // namespace orvane::renderer
