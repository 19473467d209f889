#include "renderer/scene/glow_bitmap.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace orvane::renderer {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t Read32(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

std::uint16_t Read16(std::string_view bytes, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) | static_cast<std::uint8_t>(bytes[at + 1]) << 8);
}

bool IsUsableSide(std::int64_t side) { return side >= 16 && side <= 1024 && (side & (side - 1)) == 0; }

std::uint8_t Brightness(std::string_view bytes, std::size_t at) {  // blue, green, red
  return std::max({static_cast<std::uint8_t>(bytes[at]), static_cast<std::uint8_t>(bytes[at + 1]),
                   static_cast<std::uint8_t>(bytes[at + 2])});
}

}  // namespace

std::optional<GreyImage> GlowFromBitmapFile(std::string_view file) {
  if (file.size() < kFileHeaderSize + kInfoHeaderSize || file.substr(0, 2) != "BM") return std::nullopt;
  const std::size_t pixelsAt = Read32(file, 10);
  const std::int64_t width = static_cast<std::int32_t>(Read32(file, 18));
  const std::int64_t height = static_cast<std::int32_t>(Read32(file, 22));
  if (Read32(file, kFileHeaderSize) < kInfoHeaderSize || Read16(file, 26) != 1 || Read16(file, 28) != 24 ||
      Read32(file, 30) != 0 || !IsUsableSide(width) || std::abs(height) != width) {
    return std::nullopt;
  }
  const std::size_t rowBytes = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  if (pixelsAt > file.size() || rowBytes * static_cast<std::size_t>(width) > file.size() - pixelsAt) {
    return std::nullopt;
  }

  const int side = static_cast<int>(width);
  GreyImage glow(side, side);
  for (int y = 0; y < side; ++y) {
    // A positive height puts the bottom row first.
    const std::size_t row = pixelsAt + rowBytes * static_cast<std::size_t>(height > 0 ? side - 1 - y : y);
    for (int x = 0; x < side; ++x) glow.At(x, y) = Brightness(file, row + static_cast<std::size_t>(x) * 3);
  }
  return glow;
}

}  // namespace orvane::renderer
