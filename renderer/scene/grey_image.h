#pragma once

#include <cstdint>
#include <vector>

namespace orvane::renderer {

// A one-channel picture, rows from the top: glyph masks and glow textures.
struct GreyImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;

  GreyImage() = default;
  GreyImage(int w, int h) : width(w), height(h), pixels(static_cast<std::size_t>(w) * h) {}
  std::uint8_t& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  std::uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Adds a soft glow around what is drawn in each `cellPixels`-square cell of `atlas`: a blurred
// copy, `strength` times as bright, spread about `radius` pixels and kept inside its own cell.
GreyImage WithGlow(const GreyImage& atlas, int cellPixels, int radius, float strength);

// Whether anything is drawn in cell `cell` (counted row by row) of `atlas`: a font without the
// glyph leaves its cell blank.
bool CellHasInk(const GreyImage& atlas, int cellPixels, int cell);

// A picture of `columns` x `rows` cells, each `cellPixels` square, cell (column, row) being a
// copy of cell `source(column, row)` (counted row by row) of `atlas`.
template <typename CellSource>
GreyImage ArrangeCells(const GreyImage& atlas, int cellPixels, int columns, int rows, CellSource source) {
  GreyImage arranged(columns * cellPixels, rows * cellPixels);
  const int atlasColumns = atlas.width / cellPixels;
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      const int cell = source(column, row);
      const int left = cell % atlasColumns * cellPixels, top = cell / atlasColumns * cellPixels;
      for (int y = 0; y < cellPixels; ++y) {
        for (int x = 0; x < cellPixels; ++x) {
          arranged.At(column * cellPixels + x, row * cellPixels + y) = atlas.At(left + x, top + y);
        }
      }
    }
  }
  return arranged;
}

// The levels for mipmapping after `image` itself: each pixel the rounded mean of a 2 x 2 block
// of the level before, down to 1 x 1. Sides must be powers of two.
std::vector<GreyImage> SmallerLevels(const GreyImage& image);

}  // namespace orvane::renderer
