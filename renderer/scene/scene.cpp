#include "renderer/scene/scene.h"

#include <algorithm>
#include <cmath>

namespace orvane::renderer {
namespace {

constexpr float kNearClip = 0.5f;
constexpr float kFarClip = 100.0f;

}  // namespace

ModelFit FitModel(const Model& model) {
  Vec3 low{1e30f, 1e30f, 1e30f}, high{-1e30f, -1e30f, -1e30f};
  for (const ModelPart& part : model.parts) {
    for (const ModelVertex& vertex : part.triangles) {
      low = {std::min(low.x, vertex.position.x), std::min(low.y, vertex.position.y),
             std::min(low.z, vertex.position.z)};
      high = {std::max(high.x, vertex.position.x), std::max(high.y, vertex.position.y),
              std::max(high.z, vertex.position.z)};
    }
  }
  ModelFit fit;
  if (low.x > high.x) return fit;
  fit.centre = {(low.x + high.x) / 2, (low.y + high.y) / 2, (low.z + high.z) / 2};
  float radiusSquared = 0;
  for (const ModelPart& part : model.parts) {
    for (const ModelVertex& vertex : part.triangles) {
      const float dx = vertex.position.x - fit.centre.x, dy = vertex.position.y - fit.centre.y;
      const float dz = vertex.position.z - fit.centre.z;
      radiusSquared = std::max(radiusSquared, dx * dx + dy * dy + dz * dz);
    }
  }
  // A model that is a single point still gets a usable scale.
  fit.radius = radiusSquared > 1e-12f ? std::sqrt(radiusSquared) : 1.0f;
  return fit;
}

Scene::Scene(int width, int height, int glyphVariety)
    : width_(std::max(width, 1)),
      height_(std::max(height, 1)),
      projection_(Perspective(GlyphRain::kFieldOfViewY, static_cast<float>(width_) / height_, kNearClip,
                              kFarClip)),
      rain_(glyphVariety, static_cast<float>(width_) / height_) {}

Mat4 Scene::View(double seconds) const {
  return RotationY(static_cast<float>(0.06 * std::sin(0.11 * seconds))) *
         RotationX(static_cast<float>(0.04 * std::sin(0.07 * seconds)));
}

Mat4 Scene::ModelTransform(const ModelFit& fit, double seconds) const {
  const float scale = kModelRadius / fit.radius;
  return Translation(0, 0, -kModelDistance) * RotationY(static_cast<float>(0.55 * seconds)) *
         RotationX(static_cast<float>(0.3 * std::sin(0.21 * seconds))) * Scaling(scale, scale, -scale) *
         Translation(-fit.centre.x, -fit.centre.y, -fit.centre.z);
}

platform::Rect Scene::ModelBounds(double seconds) const {
  const Vec4 centre = View(seconds) * Vec4{0, 0, -kModelDistance, 1};
  // The sphere lies inside the cube round it, all of it in front of the camera, so its picture
  // lies inside that of the cube's corners.
  float left = 1e30f, top = 1e30f, right = -1e30f, bottom = -1e30f;
  for (int corner = 0; corner < 8; ++corner) {
    const Vec4 clip = projection_ * Vec4{centre.x + (corner & 1 ? kModelRadius : -kModelRadius),
                                         centre.y + (corner & 2 ? kModelRadius : -kModelRadius),
                                         centre.z + (corner & 4 ? kModelRadius : -kModelRadius), 1};
    const float x = (clip.x / clip.w + 1) * width_ / 2, y = (1 - clip.y / clip.w) * height_ / 2;
    left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
  }
  // A pixel's margin for the rasteriser's rounding.
  const auto pixel = [](float value, float limit) {
    return static_cast<int>(std::clamp(value, 0.0f, limit));
  };
  return {pixel(std::floor(left) - 1, static_cast<float>(width_)), pixel(std::floor(top) - 1, static_cast<float>(height_)),
          pixel(std::ceil(right) + 1, static_cast<float>(width_)), pixel(std::ceil(bottom) + 1, static_cast<float>(height_))};
}

Billboard Scene::Halo(double seconds) const {
  Billboard halo;
  halo.centre = {0, 0, -kModelDistance - kModelRadius};
  halo.size = kHaloSize;
  const float pulse = static_cast<float>(0.8 + 0.12 * std::sin(1.1 * seconds));
  halo.colour = {0.55f * pulse, 0.62f * pulse, 0.85f * pulse, 1};
  return halo;
}

void Scene::AppendGlyphs(double seconds, std::vector<GlyphSprite>& sprites) const {
  rain_.AppendLargeGlyphs(seconds, sprites);
  std::vector<RainColumn> columns;
  rain_.AppendColumns(seconds, columns);
  for (const RainColumn& column : columns) rain_.AppendColumnGlyphs(column, sprites);
}

void Scene::Project(double seconds, const std::vector<GlyphSprite>& sprites,
                    std::vector<ScreenGlyph>& glyphs) const {
  const Mat4 viewProjection = projection_ * View(seconds);
  const float pixelsPerUnitAtDistanceOne = projection_.m[5] * height_ / 2;
  const std::size_t first = glyphs.size();
  for (const GlyphSprite& sprite : sprites) {
    const Vec4 clip = viewProjection * Vec4{sprite.centre.x, sprite.centre.y, sprite.centre.z, 1};
    if (clip.w < kNearClip) continue;
    ScreenGlyph glyph;
    glyph.x = (clip.x / clip.w + 1) * width_ / 2;
    glyph.y = (1 - clip.y / clip.w) * height_ / 2;
    glyph.size = sprite.size * pixelsPerUnitAtDistanceOne / clip.w;
    glyph.distance = clip.w;
    glyph.glyph = sprite.glyph;
    glyph.colour = sprite.colour;
    glyphs.push_back(glyph);
  }
  std::stable_sort(glyphs.begin() + static_cast<std::ptrdiff_t>(first), glyphs.end(),
                   [](const ScreenGlyph& a, const ScreenGlyph& b) { return a.distance > b.distance; });
}

}  // namespace orvane::renderer
