// Any input must end in a status, never a crash, a hang or undefined behaviour; and whatever the
// reader accepts must be a model that can be drawn: whole triangles of finite numbers.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "renderer/model/x_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvane::renderer;
  const XReadResult result = ReadXModel(std::string_view(reinterpret_cast<const char*>(data), size));
  if (result.model.parts.empty() != (result.status != XReadStatus::kOk)) __builtin_trap();
  const auto finite = [](const Vec3& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
  };
  for (const ModelPart& part : result.model.parts) {
    if (part.triangles.empty() || part.triangles.size() % 3 != 0) __builtin_trap();
    for (const ModelVertex& vertex : part.triangles) {
      if (!finite(vertex.position) || !finite(vertex.normal)) __builtin_trap();
    }
  }
  return 0;
}
