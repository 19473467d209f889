#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "button/face_pictures.h"

namespace orvane::button::artwork {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  bool operator==(const Rgb& other) const {
    return red == other.red && green == other.green && blue == other.blue;
  }
};

inline constexpr int kFaceWidth = 64;
inline constexpr int kFaceHeight = 25;

// The pixels of a picture, row by row from the top.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;

  Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// Paints one of the button's face pictures: a rounded frame four pixels deep, in the colours
// of that face, round an interior that the button never shows.
Picture PaintFaceArt(FacePicture face);

// The file the picture of `face` is kept in; the button's resource script names the same.
std::string FaceArtFileName(FacePicture face);

}  // namespace orvane::button::artwork
