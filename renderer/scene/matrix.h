#pragma once

#include <array>

#include "renderer/model/model.h"

namespace orvane::renderer {

// A 4 x 4 matrix in OpenGL's column-major order, for column vectors: p' = M * p.
struct Mat4 {
  std::array<float, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};

struct Vec4 {
  float x = 0, y = 0, z = 0, w = 1;
};

Mat4 operator*(const Mat4& a, const Mat4& b);
Vec4 operator*(const Mat4& a, const Vec4& p);

Mat4 Perspective(float fieldOfViewYRadians, float aspect, float nearZ, float farZ);
Mat4 Translation(float x, float y, float z);
Mat4 Scaling(float x, float y, float z);
Mat4 RotationX(float radians);
Mat4 RotationY(float radians);

}  // namespace orvane::renderer
