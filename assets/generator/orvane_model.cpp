#include "assets/generator/orvane_model.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace orvane::assets {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kGoldenRatio = 1.61803398874989484820;

struct Point {
  double x = 0, y = 0, z = 0;
};

Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Point operator*(Point a, double s) { return {a.x * s, a.y * s, a.z * s}; }
double Dot(Point a, Point b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Point Cross(Point a, Point b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Point Unit(Point a) { return a * (1 / std::sqrt(Dot(a, a))); }

using Face = std::vector<int>;

// The parts of one Mesh data object. A face lists its vertices so that the cross product of
// its first two edges points out of the model, the order the format takes for a front face.
struct MeshData {
  std::vector<Point> positions;
  std::vector<Face> faces;
  std::vector<Point> normals;  // empty: the reader works out flat normals
  std::vector<Face> normalFaces;
  std::vector<std::array<double, 2>> textureCoords;  // empty or one per position
};

std::string Number(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6f", std::abs(value) < 5e-7 ? 0.0 : value);
  return text;
}

std::string Vector(Point p) { return Number(p.x) + ";" + Number(p.y) + ";" + Number(p.z) + ";"; }

// "item,\n" for each item but the last, which ends the list with ";".
std::string ListEnd(std::size_t index, std::size_t size) { return index + 1 < size ? ",\n" : ";\n"; }

std::string FaceList(const std::vector<Face>& faces, const std::string& indent) {
  std::string text = indent + std::to_string(faces.size()) + ";\n";
  for (std::size_t i = 0; i < faces.size(); ++i) {
    text += indent + std::to_string(faces[i].size()) + ";";
    for (std::size_t k = 0; k < faces[i].size(); ++k) {
      text += (k ? "," : "") + std::to_string(faces[i][k]);
    }
    text += ";" + ListEnd(i, faces.size());
  }
  return text;
}

std::string Matrix(const std::array<double, 16>& m, const std::string& indent) {
  std::string text = indent + "FrameTransformMatrix {\n" + indent + " ";
  for (std::size_t i = 0; i < m.size(); ++i) text += Number(m[i]) + (i + 1 < m.size() ? "," : ";;\n");
  return text + indent + "}\n";
}

// Row-vector rotations (p' = p * M), as the format writes them.
std::array<double, 16> RotationX(double degrees) {
  const double c = std::cos(degrees * kPi / 180), s = std::sin(degrees * kPi / 180);
  return {1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1};
}

std::array<double, 16> RotationY(double degrees) {
  const double c = std::cos(degrees * kPi / 180), s = std::sin(degrees * kPi / 180);
  return {c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, 0, 0, 0, 1};
}

std::array<double, 16> RotationZ(double degrees) {
  const double c = std::cos(degrees * kPi / 180), s = std::sin(degrees * kPi / 180);
  return {c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

std::string MeshText(const std::string& name, const MeshData& mesh, const std::string& materials,
                     const std::string& indent) {
  const std::string inner = indent + " ";
  std::string text = indent + "Mesh " + name + " {\n";
  text += inner + std::to_string(mesh.positions.size()) + ";\n";
  for (std::size_t i = 0; i < mesh.positions.size(); ++i) {
    text += inner + Vector(mesh.positions[i]) + ListEnd(i, mesh.positions.size());
  }
  text += FaceList(mesh.faces, inner);
  if (!mesh.normals.empty()) {
    text += inner + "MeshNormals {\n" + inner + " " + std::to_string(mesh.normals.size()) + ";\n";
    for (std::size_t i = 0; i < mesh.normals.size(); ++i) {
      text += inner + " " + Vector(mesh.normals[i]) + ListEnd(i, mesh.normals.size());
    }
    text += FaceList(mesh.normalFaces, inner + " ") + inner + "}\n";
  }
  if (!mesh.textureCoords.empty()) {
    text += inner + "MeshTextureCoords {\n" + inner + " " + std::to_string(mesh.textureCoords.size()) + ";\n";
    for (std::size_t i = 0; i < mesh.textureCoords.size(); ++i) {
      text += inner + " " + Number(mesh.textureCoords[i][0]) + ";" + Number(mesh.textureCoords[i][1]) + ";" +
              ListEnd(i, mesh.textureCoords.size());
    }
    text += inner + "}\n";
  }
  // Every face uses the mesh's one material.
  text += inner + "MeshMaterialList {\n" + inner + " 1;\n" + inner + " " + std::to_string(mesh.faces.size()) + ";\n";
  for (std::size_t i = 0; i < mesh.faces.size(); ++i) {
    text += (i % 32 == 0 ? inner + " " : "") + "0" +
            (i + 1 == mesh.faces.size() ? ";\n" : i % 32 == 31 ? ",\n" : ",");
  }
  text += materials + inner + "}\n";
  return text + indent + "}\n";
}

std::array<double, 2> SphericalCoords(Point p) {
  const Point direction = Unit(p);
  return {0.5 + std::atan2(direction.z, direction.x) / (2 * kPi), 0.5 - std::asin(direction.y) / kPi};
}

// The 12 pentagons of a regular dodecahedron with the given circumradius, flat-shaded.
MeshData Dodecahedron(double radius) {
  MeshData mesh;
  const double phi = kGoldenRatio, inverse = 1 / kGoldenRatio;
  for (double a : {-1.0, 1.0}) {
    for (double b : {-1.0, 1.0}) {
      for (double c : {-1.0, 1.0}) mesh.positions.push_back({a, b, c});
      mesh.positions.push_back({0, a * inverse, b * phi});
      mesh.positions.push_back({a * inverse, b * phi, 0});
      mesh.positions.push_back({a * phi, 0, b * inverse});
    }
  }
  // The face normals are the directions of an icosahedron's vertices.
  std::vector<Point> normals;
  for (double a : {-1.0, 1.0}) {
    for (double b : {-1.0, 1.0}) {
      normals.push_back(Unit({0, a * phi, b}));
      normals.push_back(Unit({a, 0, b * phi}));
      normals.push_back(Unit({a * phi, b, 0}));
    }
  }
  const double scale = radius / std::sqrt(3.0);
  for (Point& p : mesh.positions) p = p * scale;
  for (std::size_t f = 0; f < normals.size(); ++f) {
    const Point n = normals[f];
    std::vector<int> corners(mesh.positions.size());
    for (std::size_t i = 0; i < corners.size(); ++i) corners[i] = static_cast<int>(i);
    std::sort(corners.begin(), corners.end(),
              [&](int a, int b) { return Dot(mesh.positions[a], n) > Dot(mesh.positions[b], n); });
    corners.resize(5);
    // Around the normal, counter-clockwise as the numbers go, so the face's cross product is n.
    const Point u = Unit(mesh.positions[corners[0]] - n * Dot(mesh.positions[corners[0]], n));
    const Point v = Cross(n, u);
    std::sort(corners.begin(), corners.end(), [&](int a, int b) {
      return std::atan2(Dot(mesh.positions[a], v), Dot(mesh.positions[a], u)) <
             std::atan2(Dot(mesh.positions[b], v), Dot(mesh.positions[b], u));
    });
    mesh.faces.push_back(corners);
    mesh.normals.push_back(n);
    mesh.normalFaces.push_back(Face(5, static_cast<int>(f)));
  }
  for (const Point& p : mesh.positions) mesh.textureCoords.push_back(SphericalCoords(p));
  return mesh;
}

// A five-sided spike on each face of `core`, rising `height` above a base shrunk to `baseScale`
// of the face. No normals: the reader gives each triangle its own.
MeshData Spikes(const MeshData& core, double baseScale, double height) {
  MeshData mesh;
  for (std::size_t f = 0; f < core.faces.size(); ++f) {
    Point centre;
    for (int index : core.faces[f]) centre = centre + core.positions[index] * 0.2;
    const int apex = static_cast<int>(mesh.positions.size());
    mesh.positions.push_back(centre + core.normals[f] * height);
    for (int index : core.faces[f]) {
      mesh.positions.push_back(centre + (core.positions[index] - centre) * baseScale);
    }
    for (int k = 0; k < 5; ++k) {
      mesh.faces.push_back({apex + 1 + k, apex + 1 + (k + 1) % 5, apex});
    }
  }
  return mesh;
}

// A ring in the XZ plane around the Y axis, smooth-shaded, its texture wrapped `repeat` times.
MeshData Torus(double majorRadius, double minorRadius, int segments, int sides, int repeat) {
  MeshData mesh;
  for (int i = 0; i <= segments; ++i) {
    const double theta = 2 * kPi * i / segments;
    for (int j = 0; j <= sides; ++j) {
      const double phi = 2 * kPi * j / sides;
      const Point normal{std::cos(phi) * std::cos(theta), std::sin(phi), std::cos(phi) * std::sin(theta)};
      const Point centre{majorRadius * std::cos(theta), 0, majorRadius * std::sin(theta)};
      mesh.positions.push_back(centre + normal * minorRadius);
      mesh.normals.push_back(normal);
      mesh.textureCoords.push_back({repeat * static_cast<double>(i) / segments, static_cast<double>(j) / sides});
    }
  }
  for (int i = 0; i < segments; ++i) {
    for (int j = 0; j < sides; ++j) {
      const int a = i * (sides + 1) + j, b = (i + 1) * (sides + 1) + j;
      mesh.faces.push_back({a, a + 1, b + 1, b});
    }
  }
  mesh.normalFaces = mesh.faces;
  return mesh;
}

const char* const kPrologue =
    "xof 0303txt 0032\n"
    "// 3dOrvane: a golden dodecahedron studded with spikes, inside two crossed blue rings.\n"
    "// Written by assets/generator; edit the generator, not this file.\n"
    "\n"
    "template Header {\n"
    " <3D82AB43-62DA-11cf-AB39-0020AF71E433>\n"
    " WORD major;\n"
    " WORD minor;\n"
    " DWORD flags;\n"
    "}\n"
    "\n"
    "template Vector {\n"
    " <3D82AB5E-62DA-11cf-AB39-0020AF71E433>\n"
    " FLOAT x;\n"
    " FLOAT y;\n"
    " FLOAT z;\n"
    "}\n"
    "\n"
    "Header {\n"
    " 1;\n"
    " 0;\n"
    " 1;\n"
    "}\n"
    "\n"
    "Material Gold {\n"
    " 1.000000;0.760000;0.200000;1.000000;;\n"
    " 24.000000;\n"
    " 1.000000;0.950000;0.700000;;\n"
    " 0.220000;0.150000;0.020000;;\n"
    "}\n"
    "\n"
    "Material Azure {\n"
    " 0.220000;0.480000;1.000000;1.000000;;\n"
    " 32.000000;\n"
    " 0.800000;0.900000;1.000000;;\n"
    " 0.030000;0.080000;0.220000;;\n"
    "}\n"
    "\n";

const char* const kSparkMaterial =
    "   Material Spark {\n"
    "    1.000000;0.920000;0.550000;1.000000;;\n"
    "    40.000000;\n"
    "    1.000000;1.000000;0.900000;;\n"
    "    0.450000;0.380000;0.120000;;\n"
    "   }\n";

}  // namespace

std::string OrvaneModelText() {
  const MeshData core = Dodecahedron(1.0);
  std::string text = kPrologue;
  text += "Frame Orvane {\n";
  text += Matrix(RotationY(30), " ");
  text += " Frame Core {\n" + Matrix(RotationX(20), "  ");
  text += MeshText("CoreBody", core, "   { Gold }\n", "  ");
  text += MeshText("CoreSpikes", Spikes(core, 0.38, 0.55), kSparkMaterial, "  ");
  text += " }\n";
  text += " Frame OuterRing {\n" + Matrix(RotationX(72), "  ");
  text += MeshText("OuterRingBody", Torus(2.05, 0.075, 40, 6, 6), "   { Azure }\n", "  ");
  // Nested, so its matrix turns it about the outer ring's own axis.
  text += "  Frame InnerRing {\n" + Matrix(RotationZ(90), "   ");
  text += MeshText("InnerRingBody", Torus(1.7, 0.06, 36, 6, 5), "    { Azure }\n", "   ");
  text += "  }\n";
  text += " }\n";
  text += "}\n";
  return text;
}

}  // namespace orvane::assets
