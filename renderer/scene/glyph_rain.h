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

// One falling column at a moment. Its glyphs stand one above the other from the head up, and
// show consecutive cells of one of the glyph strips: the head shows cell `stripOffset`, the
// next glyph up the cell after it, wrapping round at the strip's end.
struct RainColumn {
  Vec3 head;  // centre of the head glyph
  int length = 0;
  int strip = 0;
  int stripOffset = 0;
  Colour colour;  // at full brightness, already faded for the column's depth
};

// Vertical columns of small blue and yellow glyphs that fall while they drift from the far
// end of the view towards the camera, and a few large, dim glyphs far behind them. Everything
// is a function of the time since the start alone, so the animation runs at the same speed
// whatever the frame rate, and a column that reaches the camera comes back far away as a new
// column elsewhere. A column is handed out whole, so that OpenGL can draw it as two quads (its
// bright head, and its tail fading upwards) cut from a strip of glyphs; the GDI fallback
// takes it apart into single glyphs.
class GlyphRain {
 public:
  static constexpr float kFieldOfViewY = 1.0471976f;  // 60 degrees
  static constexpr float kNearDepth = 6.0f;           // where columns leave, in front of the camera
  static constexpr float kFarDepth = 42.0f;           // where they come in
  static constexpr float kGlyphSize = 0.25f;          // also the step from one glyph to the next
  static constexpr int kColumns = 150;
  static constexpr int kLargeGlyphs = 5;
  static constexpr int kStrips = 32;
  static constexpr int kStripLength = 32;
  static constexpr int kLongestColumn = 25;

  GlyphRain(int glyphVariety, float aspect);

  void AppendColumns(double seconds, std::vector<RainColumn>& columns) const;
  void AppendLargeGlyphs(double seconds, std::vector<GlyphSprite>& sprites) const;
  // How many of a column's glyphs, from the head up, are bright enough to be seen.
  static int VisibleLength(int length);
  // The glyphs of `column` one by one, as far as they can be seen.
  void AppendColumnGlyphs(const RainColumn& column, std::vector<GlyphSprite>& sprites) const;

  // The glyph in `cell` of `strip`.
  int GlyphInStrip(int strip, int cell) const;
  // The head glyph's colour, whiter than the rest of its column.
  static Colour HeadColour(const RainColumn& column);
  // How bright the `index`th glyph from the head is, the head being 1.
  static float TailBrightness(int index, int length);

 private:
  int glyphVariety_;
  float tanHalfFieldY_;
  float aspect_;
};

}  // namespace orvane::renderer
