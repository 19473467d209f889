#include "renderer/scene/matrix.h"

#include <cmath>

namespace orvane::renderer {

Mat4 operator*(const Mat4& a, const Mat4& b) {
  Mat4 product;
  for (int column = 0; column < 4; ++column) {
    for (int row = 0; row < 4; ++row) {
      float sum = 0;
      for (int k = 0; k < 4; ++k) sum += a.m[k * 4 + row] * b.m[column * 4 + k];
      product.m[column * 4 + row] = sum;
    }
  }
  return product;
}

Vec4 operator*(const Mat4& a, const Vec4& p) {
  const auto& m = a.m;
  return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12] * p.w,
          m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13] * p.w,
          m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14] * p.w,
          m[3] * p.x + m[7] * p.y + m[11] * p.z + m[15] * p.w};
}

// The same matrix glFrustum makes for a symmetric view.
Mat4 Perspective(float fieldOfViewYRadians, float aspect, float nearZ, float farZ) {
  const float f = 1 / std::tan(fieldOfViewYRadians / 2);
  return {{f / aspect, 0, 0, 0, 0, f, 0, 0, 0, 0, (farZ + nearZ) / (nearZ - farZ), -1, 0, 0,
           2 * farZ * nearZ / (nearZ - farZ), 0}};
}

// The elementary matrices, each written out column by column.
Mat4 Translation(float x, float y, float z) {
  return {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, x, y, z, 1}};
}

Mat4 Scaling(float x, float y, float z) {
  return {{x, 0, 0, 0, 0, y, 0, 0, 0, 0, z, 0, 0, 0, 0, 1}};
}

Mat4 RotationX(float radians) {
  const float c = std::cos(radians), s = std::sin(radians);
  return {{1, 0, 0, 0, 0, c, s, 0, 0, -s, c, 0, 0, 0, 0, 1}};
}

Mat4 RotationY(float radians) {
  const float c = std::cos(radians), s = std::sin(radians);
  return {{c, 0, -s, 0, 0, 1, 0, 0, s, 0, c, 0, 0, 0, 0, 1}};
}

}  // namespace orvane::renderer
