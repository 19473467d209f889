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
  const std::size_t infoSize = Read32(file, kFileHeaderSize);
  const std::int64_t width = static_cast<std::int32_t>(Read32(file, 18));
  const std::int64_t height = static_cast<std::int32_t>(Read32(file, 22));
  const int bitsPerPixel = Read16(file, 28);
  const std::uint32_t compression = Read32(file, 30);
  if (infoSize < kInfoHeaderSize || Read16(file, 26) != 1 || compression != 0 || !IsUsableSide(width) ||
      std::abs(height) != width || (bitsPerPixel != 8 && bitsPerPixel != 24 && bitsPerPixel != 32)) {
    return std::nullopt;
  }
  const std::size_t paletteAt = kFileHeaderSize + infoSize;
  const std::size_t colours = bitsPerPixel == 8 ? (Read32(file, 46) ? Read32(file, 46) : 256) : 0;
  const std::size_t rowBytes = (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
  if (colours > 256 || paletteAt > file.size() || colours * 4 > file.size() - paletteAt || pixelsAt > file.size() ||
      rowBytes * static_cast<std::size_t>(width) > file.size() - pixelsAt) {
    return std::nullopt;
  }

  const int side = static_cast<int>(width);
  GreyImage glow(side, side);
  for (int y = 0; y < side; ++y) {
    // A positive height puts the bottom row first.
    const std::size_t row = pixelsAt + rowBytes * static_cast<std::size_t>(height > 0 ? side - 1 - y : y);
    for (int x = 0; x < side; ++x) {
      if (bitsPerPixel == 8) {
        const std::size_t index = static_cast<std::uint8_t>(file[row + x]);
        glow.At(x, y) = index < colours ? Brightness(file, paletteAt + index * 4) : 0;
      } else {
        glow.At(x, y) = Brightness(file, row + static_cast<std::size_t>(x) * (bitsPerPixel / 8));
      }
    }
  }
  return glow;
}

}  // namespace orvane::renderer
