#include "screen_checks.h"

#include <algorithm>
#include <cstdlib>

namespace orvane::e2e {
namespace {

// The column a pattern pixel came from; -1 for black or anything else.
int ColumnOf(const Rgb& pixel) {
  if (pixel.green < 32 || (pixel.green - 32) % 48 != 0) return -1;
  return (pixel.green - 32) / 48 * 256 + pixel.red;
}

}  // namespace

Picture Crop(const Picture& image, const Area& area) {
  Picture part{area.width, area.height, {}};
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) part.pixels.push_back(image.At(area.left + x, area.top + y));
  }
  return part;
}

Picture ColumnPattern(int width, int height) {
  Picture image{width, height, {}};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.pixels.push_back({std::uint8_t(x), std::uint8_t(32 + (x >> 8) * 48), std::uint8_t(y & 0x7F)});
    }
  }
  return image;
}

int SlideShift(const Picture& image) {
  const int last = image.width - 1;
  const int shift = ColumnOf(image.At(0, 1));
  if (shift <= 0) return 0;
  for (int y = 1; y < image.height; y += 2) {
    int black = 0;
    for (int x = 0; x <= last; ++x) black += image.At(x, y) == Rgb{0, 0, 0};
    if (ColumnOf(image.At(0, y)) != shift || last - ColumnOf(image.At(last, y)) != shift ||
        std::abs(black - 2 * shift) > 2) {
      return 0;
    }
  }
  return shift;
}

SceneLook LookAt(const Picture& image) {
  const int width = image.width, height = image.height;
  int lit = 0, blue = 0, yellow = 0, centreCount = 0, edgeCount = 0;
  double centreSum = 0, edgeSum = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb p = image.At(x, y);
      lit += std::max({p.red, p.green, p.blue}) > 40;
      blue += p.blue > 60 && p.blue > p.red + 40;
      yellow += p.red > 100 && p.green > 70 && p.blue < p.red * 2 / 3;
      if (x > width / 3 && x < width * 2 / 3 && y > height / 3 && y < height * 2 / 3) {
        centreSum += p.red + p.green + p.blue;
        ++centreCount;
      } else if (x < width / 10 || x > width * 9 / 10) {
        edgeSum += p.red + p.green + p.blue;
        ++edgeCount;
      }
    }
  }
  const int total = width * height;
  return {lit > total / 100 && blue > total / 500 && yellow > total / 2000,
          centreSum / std::max(centreCount, 1) > 2 * edgeSum / std::max(edgeCount, 1) + 20};
}

}  // namespace orvane::e2e
