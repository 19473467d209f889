// Draws the renderer's glow texture: a 128 x 128 soft, blurred, almost colourless light-grey
// patch, brightest (about 220) in the middle and fading to black towards the edges, and
// writes it as a 24-bit Windows bitmap file.
//   make_glow_texture OUTPUT.bmp
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr int kSize = 128;
constexpr int kRowBytes = kSize * 3;  // a multiple of four, so rows need no padding

// Brightness at a point: a Gaussian glow, pulled down to exactly 0 at the edge circle.
double Brightness(int x, int y) {
  const double dx = (x + 0.5 - kSize / 2.0) / (kSize / 2.0);
  const double dy = (y + 0.5 - kSize / 2.0) / (kSize / 2.0);
  const double r2 = dx * dx + dy * dy;
  if (r2 >= 1.0) return 0.0;
  return 220.0 * std::exp(-3.0 * r2) * (1.0 - r2);
}

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_glow_texture OUTPUT.bmp\n";
    return 2;
  }
  const std::uint32_t pixelBytes = kRowBytes * kSize;
  std::string bytes = "BM";
  PutLittleEndian(bytes, 54 + pixelBytes, 4);  // file size
  PutLittleEndian(bytes, 0, 4);                 // reserved
  PutLittleEndian(bytes, 54, 4);                // offset of the pixels
  PutLittleEndian(bytes, 40, 4);                // BITMAPINFOHEADER
  PutLittleEndian(bytes, kSize, 4);
  PutLittleEndian(bytes, kSize, 4);             // positive: rows bottom-up
  PutLittleEndian(bytes, 1, 2);                 // planes
  PutLittleEndian(bytes, 24, 2);                // bits per pixel
  PutLittleEndian(bytes, 0, 4);                 // BI_RGB
  PutLittleEndian(bytes, pixelBytes, 4);
  PutLittleEndian(bytes, 3780, 4);              // 96 dots per inch, in pixels per metre
  PutLittleEndian(bytes, 3780, 4);
  PutLittleEndian(bytes, 0, 4);
  PutLittleEndian(bytes, 0, 4);
  for (int row = kSize - 1; row >= 0; --row) {
    for (int x = 0; x < kSize; ++x) {
      const double v = Brightness(x, row);
      // A faint cool tint keeps the grey from looking flat.
      bytes += static_cast<char>(std::lround(std::min(255.0, v * 1.03)));  // blue
      bytes += static_cast<char>(std::lround(v));                           // green
      bytes += static_cast<char>(std::lround(v * 0.98));                    // red
    }
  }
  std::ofstream(argv[1], std::ios::binary) << bytes;
  return 0;
}
