#pragma once

#include <optional>
#include <vector>

#include "platform/types.h"

#include "renderer/model/model.h"
#include "renderer/scene/grey_image.h"
#include "renderer/scene/scene.h"
#include "renderer/win32/glyph_atlas.h"

namespace orvane::renderer::win32 {

// What the renderer found and made at start-up; a missing model or glow texture is left out
// of the scene.
struct SceneAssets {
  std::optional<Model> model;
  std::optional<GreyImage> glow;
  GlyphAtlas atlas;
};

// One monitor's view of the scene: where the monitor lies in the renderer's window, and the
// scene as a camera with the monitor's aspect ratio, centred on it, sees it.
struct SceneView {
  platform::Rect area;
  Scene scene;
};

// Draws one frame of the scene into the renderer's window, on every monitor.
class ScenePainter {
 public:
  virtual ~ScenePainter() = default;
  virtual void Paint(double seconds) = 0;
};

}  // namespace orvane::renderer::win32
