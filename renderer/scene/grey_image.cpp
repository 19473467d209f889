#include "renderer/scene/grey_image.h"

#include <algorithm>

namespace orvane::renderer {
namespace {

// One pass of a box blur along rows (step 1) or columns (step = width) of one cell.
void BoxBlurCell(std::vector<float>& values, int width, int left, int top, int cellPixels, int radius,
                 bool alongRows) {
  std::vector<float> line(static_cast<std::size_t>(cellPixels));
  for (int across = 0; across < cellPixels; ++across) {
    auto at = [&](int along) -> float& {
      const int x = left + (alongRows ? along : across), y = top + (alongRows ? across : along);
      return values[static_cast<std::size_t>(y) * width + x];
    };
    for (int along = 0; along < cellPixels; ++along) {
      float sum = 0;
      for (int k = std::max(0, along - radius); k <= std::min(cellPixels - 1, along + radius); ++k) sum += at(k);
      line[static_cast<std::size_t>(along)] = sum / (2 * radius + 1);
    }
    for (int along = 0; along < cellPixels; ++along) at(along) = line[static_cast<std::size_t>(along)];
  }
}

}  // namespace

GreyImage WithGlow(const GreyImage& atlas, int cellPixels, int radius, float strength) {
  std::vector<float> blurred(atlas.pixels.begin(), atlas.pixels.end());
  for (int top = 0; top + cellPixels <= atlas.height; top += cellPixels) {
    for (int left = 0; left + cellPixels <= atlas.width; left += cellPixels) {
      // Two box passes each way come close to a Gaussian.
      for (int pass = 0; pass < 2; ++pass) {
        BoxBlurCell(blurred, atlas.width, left, top, cellPixels, radius, true);
        BoxBlurCell(blurred, atlas.width, left, top, cellPixels, radius, false);
      }
    }
  }
  GreyImage glowing(atlas.width, atlas.height);
  for (std::size_t i = 0; i < atlas.pixels.size(); ++i) {
    glowing.pixels[i] = static_cast<std::uint8_t>(std::min(255.0f, atlas.pixels[i] + strength * blurred[i] + 0.5f));
  }
  return glowing;
}

bool CellHasInk(const GreyImage& atlas, int cellPixels, int cell) {
  const int cellsPerRow = atlas.width / cellPixels;
  const int left = cell % cellsPerRow * cellPixels, top = cell / cellsPerRow * cellPixels;
  for (int y = top; y < top + cellPixels; ++y) {
    for (int x = left; x < left + cellPixels; ++x) {
      if (atlas.At(x, y) > 0) return true;
    }
  }
  return false;
}

std::vector<GreyImage> SmallerLevels(const GreyImage& image) {
  std::vector<GreyImage> levels;
  for (;;) {
    const GreyImage* previous = levels.empty() ? &image : &levels.back();
    if (previous->width <= 1 && previous->height <= 1) return levels;
    GreyImage level(std::max(previous->width / 2, 1), std::max(previous->height / 2, 1));
    for (int y = 0; y < level.height; ++y) {
      for (int x = 0; x < level.width; ++x) {
        const int x0 = std::min(2 * x, previous->width - 1), x1 = std::min(2 * x + 1, previous->width - 1);
        const int y0 = std::min(2 * y, previous->height - 1), y1 = std::min(2 * y + 1, previous->height - 1);
        const int sum = previous->At(x0, y0) + previous->At(x1, y0) + previous->At(x0, y1) + previous->At(x1, y1);
        level.At(x, y) = static_cast<std::uint8_t>((sum + 2) / 4);
      }
    }
    levels.push_back(std::move(level));
  }
}

}  // namespace orvane::renderer
