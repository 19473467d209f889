#pragma once

#include <optional>

#include "renderer/model/model.h"
#include "renderer/scene/grey_image.h"
#include "renderer/win32/glyph_atlas.h"

namespace orvane::renderer::win32 {

// What the renderer found and made at start-up; a missing model or glow texture is left out
// of the scene.
struct SceneAssets {
  std::optional<Model> model;
  std::optional<GreyImage> glow;
  GlyphAtlas atlas;
};

// Draws one frame of the scene into the renderer's window.
class ScenePainter {
 public:
  virtual ~ScenePainter() = default;
  virtual void Paint(double seconds) = 0;
};

}  // namespace orvane::renderer::win32
