#include "artwork/bitmap_file.h"

#include <cstdint>

namespace orvane::artwork {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetreAt96Dpi = 3780;

void Put16(std::string& bytes, std::uint16_t value) {
  bytes += static_cast<char>(value & 0xFF);
  bytes += static_cast<char>(value >> 8);
}

void Put32(std::string& bytes, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes += static_cast<char>((value >> shift) & 0xFF);
}

}  // namespace

std::string BitmapFileBytes(const Picture& picture) {
  // Each row is padded to a multiple of four bytes.
  const std::uint32_t rowSize = (static_cast<std::uint32_t>(picture.width) * 3 + 3) & ~3u;
  const std::uint32_t pixelBytes = rowSize * static_cast<std::uint32_t>(picture.height);
  std::string bytes;
  bytes += "BM";
  Put32(bytes, kFileHeaderSize + kInfoHeaderSize + pixelBytes);
  Put32(bytes, 0);
  Put32(bytes, kFileHeaderSize + kInfoHeaderSize);

  Put32(bytes, kInfoHeaderSize);
  Put32(bytes, static_cast<std::uint32_t>(picture.width));
  Put32(bytes, static_cast<std::uint32_t>(picture.height));  // positive: rows from the bottom
  Put16(bytes, 1);                                             // planes
  Put16(bytes, 24);                                            // bits per pixel
  Put32(bytes, 0);                                             // no compression
  Put32(bytes, pixelBytes);
  Put32(bytes, kPixelsPerMetreAt96Dpi);
  Put32(bytes, kPixelsPerMetreAt96Dpi);
  Put32(bytes, 0);
  Put32(bytes, 0);

  for (int y = picture.height - 1; y >= 0; --y) {
    const std::size_t rowStart = bytes.size();
    for (int x = 0; x < picture.width; ++x) {
      const Rgb pixel = picture.At(x, y);
      bytes += static_cast<char>(pixel.blue);
      bytes += static_cast<char>(pixel.green);
      bytes += static_cast<char>(pixel.red);
    }
    bytes.resize(rowStart + rowSize, '\0');
  }
  return bytes;
}

}  // namespace orvane::artwork
