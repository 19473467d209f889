#pragma once

#include <vector>

#include "platform/types.h"
#include "renderer/model/model.h"
#include "renderer/scene/glyph_rain.h"
#include "renderer/scene/matrix.h"

namespace orvane::renderer {

// The sphere that holds a model, so that any model can be shown at the same size.
struct ModelFit {
  Vec3 centre;
  float radius = 1;
};
ModelFit FitModel(const Model& model);

// A glyph as the 2-D fallback draws it: its centre and height in pixels, and its distance
// from the camera.
struct ScreenGlyph {
  float x = 0, y = 0, size = 0;
  float distance = 0;
  int glyph = 0;
  Colour colour;
};

// What the camera sees at a given time: the glyph rain, the model turning in the middle and
// the glow behind it. Everything is in world units, the camera at the origin looking down -z.
class Scene {
 public:
  static constexpr float kModelDistance = 6.5f;
  static constexpr float kModelRadius = 1.7f;
  static constexpr float kHaloSize = 6.0f;

  Scene(int width, int height, int glyphVariety);

  int Width() const { return width_; }
  int Height() const { return height_; }
  const Mat4& Projection() const { return projection_; }
  // The camera sways a little, so the depth of the rain shows.
  Mat4 View(double seconds) const;
  // Places the model fitted by `fit` in the middle and turns it. Models come in the left-handed
  // coordinates of the .x format, which this mirrors into the right-handed ones of the camera.
  Mat4 ModelTransform(const ModelFit& fit, double seconds) const;
  // The part of the view, in its pixels from the top left, that a model placed by
  // ModelTransform can cover at `seconds`: the bounds of the sphere it is fitted into.
  platform::Rect ModelBounds(double seconds) const;
  // The soft glow behind the model, in world coordinates.
  Billboard Halo(double seconds) const;
  const GlyphRain& Rain() const { return rain_; }
  // Every glyph of the rain at `seconds`, the large ones first, the columns taken apart.
  void AppendGlyphs(double seconds, std::vector<GlyphSprite>& sprites) const;
  // The sprites seen from the camera at `seconds`, far ones first; those behind it are left out.
  void Project(double seconds, const std::vector<GlyphSprite>& sprites,
               std::vector<ScreenGlyph>& glyphs) const;

 private:
  int width_;
  int height_;
  Mat4 projection_;
  GlyphRain rain_;
};

}  // namespace orvane::renderer
