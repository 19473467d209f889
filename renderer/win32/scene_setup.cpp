#include "renderer/win32/scene_setup.h"

#include "contract/program_contract.h"
#include "platform/win32/handles.h"
#include "platform/win32/plain_files.h"
#include "renderer/model/x_reader.h"
#include "renderer/scene/glow_bitmap.h"
#include "renderer/win32/gdi_scene_painter.h"
#include "renderer/win32/gl_scene_painter.h"

namespace orvane::renderer::win32 {
namespace {

// The largest staged files read: a model far beyond any we would show, and a glow texture of
// 1024 x 1024 pixels of 32 bits with its headers.
constexpr std::size_t kLargestModelFile = 16u << 20;
constexpr std::size_t kLargestTextureFile = (4u << 20) + 1024;

}  // namespace

// The staged files are read only from a staging folder of its own, and only when they are
// plain files: never through a link someone put in their place.
SceneAssets LoadSceneAssets() {
  SceneAssets assets;
  using platform::win32::ReadPlainFile;
  if (const auto text = ReadPlainFile(contract::kStagingFolder, contract::kStagedModelName, kLargestModelFile)) {
    XReadResult model = ReadXModel(*text);
    if (model.status == XReadStatus::kOk) assets.model = std::move(model.model);
  }
  if (const auto bitmap = ReadPlainFile(contract::kStagingFolder, contract::kStagedTextureName, kLargestTextureFile)) {
    assets.glow = GlowFromBitmapFile(*bitmap);
  }
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
