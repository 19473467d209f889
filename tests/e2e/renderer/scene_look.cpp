#include "scene_look.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane::e2e {

SceneLook LookAt(const ScreenImage& image) {
  SceneLook look;
  const int width = image.width(), height = image.height();
  double centreSum = 0, edgeSum = 0;
  int centreCount = 0, edgeCount = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb pixel = image.At(x, y);
      const int r = pixel.red, g = pixel.green, b = pixel.blue;
      ++look.total;
      if (std::max({r, g, b}) > 40) ++look.lit;
      if (b > 60 && b > r + 40) ++look.blue;
      if (r > 100 && g > 70 && b < r * 2 / 3) ++look.yellow;
      if (x > width / 3 && x < width * 2 / 3 && y > height / 3 && y < height * 2 / 3) {
        centreSum += r + g + b;
        ++centreCount;
      } else if (x < width / 10 || x > width * 9 / 10) {
        edgeSum += r + g + b;
        ++edgeCount;
      }
    }
  }
  look.centreBrightness = centreSum / std::max(centreCount, 1);
  look.edgeBrightness = edgeSum / std::max(edgeCount, 1);
  return look;
}

void ExpectGlyphRain(const SceneLook& look) {
  EXPECT_GT(look.lit, look.total / 100) << "the screen is (nearly) black";
  EXPECT_GT(look.blue, look.total / 500) << "no blue glyphs";
  EXPECT_GT(look.yellow, look.total / 2000) << "no yellow glyphs";
}

bool ShowsTheModel(const SceneLook& look) { return look.centreBrightness > 2 * look.edgeBrightness + 20; }

}  // namespace orvane::e2e
