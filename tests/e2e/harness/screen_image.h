#pragma once

#include <filesystem>
#include <vector>

namespace orvane::e2e {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;

  bool operator==(const Rgb& other) const {
    return red == other.red && green == other.green && blue == other.blue;
  }
  bool operator!=(const Rgb& other) const { return !(*this == other); }
};

// The pixels of a screenshot or of a picture file; files are read and written through
// ImageMagick.
class ScreenImage {
 public:
  ScreenImage() = default;
  // A black picture.
  ScreenImage(int width, int height)
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height) {}
  static ScreenImage Load(const std::filesystem::path& picture);

  int width() const { return width_; }
  int height() const { return height_; }
  Rgb At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
  void Set(int x, int y, const Rgb& colour) {
    pixels_[static_cast<std::size_t>(y * width_ + x)] = colour;
  }
  void SavePng(const std::filesystem::path& file) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Rgb> pixels_;
};

}  // namespace orvane::e2e
