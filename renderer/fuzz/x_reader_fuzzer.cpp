// Any input must end in a status, never a crash, a hang or undefined behaviour; whatever the
// reader accepts must be a model that can be drawn: whole triangles of finite numbers; and
// whatever the input declares, the reader's heap must stay within the bound for its size.
// The fixed part of that bound is small here, so that short inputs can reach it.
#include <atomic>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <string_view>

#include "renderer/model/x_reader.h"

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};
// Each block carries its size in front, so that a plain delete can give it back to the count.
constexpr std::size_t kSizeField = alignof(std::max_align_t);

void* Allocate(std::size_t size) {
  auto* block = static_cast<unsigned char*>(std::malloc(size + kSizeField));
  if (block == nullptr) throw std::bad_alloc();
  *reinterpret_cast<std::size_t*>(block) = size;
  const std::size_t live = liveBytes += size;
  for (std::size_t peak = peakBytes; live > peak && !peakBytes.compare_exchange_weak(peak, live);) {
  }
  return block + kSizeField;
}

void Free(void* pointer) {
  if (pointer == nullptr) return;
  auto* block = static_cast<unsigned char*>(pointer) - kSizeField;
  liveBytes -= *reinterpret_cast<std::size_t*>(block);
  std::free(block);
}

}  // namespace

// Every form of new and delete that can meet another (libFuzzer itself uses the nothrow ones).
void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return Allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& nothrow) noexcept {
  return operator new(size, nothrow);
}
void operator delete(void* pointer) noexcept { Free(pointer); }
void operator delete[](void* pointer) noexcept { Free(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { Free(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { Free(pointer); }
void operator delete(void* pointer, const std::nothrow_t&) noexcept { Free(pointer); }
void operator delete[](void* pointer, const std::nothrow_t&) noexcept { Free(pointer); }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvane::renderer;
  const XMemoryLimit limit{8, 64u << 10};
  const std::size_t before = liveBytes;
  peakBytes = before;
  const XReadResult result =
      ReadXModel(std::string_view(reinterpret_cast<const char*>(data), size), limit);
  if (peakBytes - before > limit.For(size)) __builtin_trap();
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
