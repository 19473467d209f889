#pragma once

#include <cstdint>
#include <vector>

namespace orvane::artwork {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  bool operator==(const Rgb& other) const {
    return red == other.red && green == other.green && blue == other.blue;
  }
};

// The pixels of a picture, row by row from the top.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;

  Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

}  // namespace orvane::artwork
