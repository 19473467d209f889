#include "renderer/win32/scene_setup.h"

#include "contract/program_contract.h"
#include "platform/win32/handles.h"
#include "renderer/model/model_file.h"
#include "renderer/win32/gdi_scene_painter.h"
#include "renderer/win32/gl_scene_painter.h"
#include "renderer/win32/glow_texture_file.h"

namespace orvane::renderer::win32 {

SceneAssets LoadSceneAssets() {
  SceneAssets assets;
  assets.model = LoadModelFile(std::filesystem::path(contract::kStagedModel));
  assets.glow = LoadGlowTexture(contract::kStagedTexture);
  assets.atlas = BuildGlyphAtlas();
  return assets;
}

std::vector<SceneView> MonitorViews(const RendererWindow& window, int glyphVariety) {
  std::vector<SceneView> views;
  for (const platform::Rect& area : window.Monitors()) {
    views.push_back({area, Scene(area.right - area.left, area.bottom - area.top, glyphVariety)});
  }
  return views;
}

std::unique_ptr<ScenePainter> CreateScenePainter(HWND window, const std::vector<SceneView>& views,
                                                 const SceneAssets& assets) {
  if (auto painter = GlScenePainter::Create(window, views, assets, true)) return painter;
  return GdiScenePainter::Create(window, views, assets.atlas);
}

int DisplayRefreshRate() {
  const platform::win32::WindowDC screen(nullptr);
  return GetDeviceCaps(screen.get(), VREFRESH);
}

}  // namespace orvane::renderer::win32
