#pragma once

#include <filesystem>
#include <vector>

namespace orvane::e2e {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
};

// The pixels of a picture file, such as a screenshot, read through ImageMagick.
class ScreenImage {
 public:
  static ScreenImage Load(const std::filesystem::path& picture);

  int width() const { return width_; }
  int height() const { return height_; }
  Rgb At(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Rgb> pixels_;
};

}  // namespace orvane::e2e
