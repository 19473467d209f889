#pragma once

#include <string>
#include <vector>

#include "renderer/scene/grey_image.h"

namespace orvane::renderer::win32 {

// The glyphs of the rain, drawn once at start-up from a font into a grid of cells with a soft
// glow around each, for OpenGL; the 2-D fallback draws the same characters as text.
struct GlyphAtlas {
  static constexpr int kCellPixels = 64;
  static constexpr int kCellsPerRow = 8;

  GreyImage image;
  // The cells whose character the font could draw; the rain's glyph n is usableCells[n].
  std::vector<int> usableCells;
  std::wstring characters;  // one per cell

  int Variety() const { return static_cast<int>(usableCells.size()); }
};

GlyphAtlas BuildGlyphAtlas();

}  // namespace orvane::renderer::win32
