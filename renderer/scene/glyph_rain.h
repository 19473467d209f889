#pragma once

#include <cstdint>
#include <vector>

#include "renderer/model/model.h"

namespace orvane::renderer {

// A square facing the camera, `size` world units wide, centred on `centre`. `colour` already
// carries its brightness: drawing adds it to what is behind.
struct Billboard {
  Vec3 centre;
  float size = 0;
  Colour colour;
};

struct GlyphSprite : Billboard {
  int glyph = 0;  // 0 .. glyph variety - 1
};

// Vertical columns of small blue and yellow glyphs that fall while they drift from the far
// end of the view towards the camera, and a few large, dim glyphs far behind them. Every
// position is a function of the time since the start alone, so the animation runs at the same
// speed whatever the frame rate, and a column that reaches the camera comes back far away as a
// new column elsewhere.
class GlyphRain {
 public:
  static constexpr float kFieldOfViewY = 1.0471976f;  // 60 degrees
  static constexpr float kNearDepth = 3.0f;           // where columns leave, in front of the camera
  static constexpr float kFarDepth = 42.0f;           // where they come in
  static constexpr int kColumns = 150;
  static constexpr int kLargeGlyphs = 5;

  GlyphRain(int glyphVariety, float aspect);

  // Appends the sprites shown at `seconds` after the start.
  void AppendSprites(double seconds, std::vector<GlyphSprite>& sprites) const;

 private:
  void AppendColumn(int column, double seconds, std::vector<GlyphSprite>& sprites) const;
  void AppendLargeGlyph(int index, double seconds, std::vector<GlyphSprite>& sprites) const;

  int glyphVariety_;
  float tanHalfFieldY_;
  float aspect_;
};

}  // namespace orvane::renderer
