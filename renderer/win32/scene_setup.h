#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "renderer/scene/scene.h"
#include "renderer/win32/renderer_window.h"
#include "renderer/win32/scene_painter.h"

namespace orvane::renderer::win32 {

// The staged model and glow texture, each left out when it cannot be read, and the glyphs.
SceneAssets LoadSceneAssets();

// A view of the scene for each monitor the window covers.
std::vector<SceneView> MonitorViews(const RendererWindow& window, int glyphVariety);

// OpenGL when it can draw into the window, the 2-D fallback otherwise; empty only when even
// GDI fails, and the window then stays black but still closes on input.
std::unique_ptr<ScenePainter> CreateScenePainter(HWND window, const std::vector<SceneView>& views,
                                                 const SceneAssets& assets);

// The display's refresh rate in hertz as the system reports it (0 or 1 when it does not know).
int DisplayRefreshRate();

}  // namespace orvane::renderer::win32
