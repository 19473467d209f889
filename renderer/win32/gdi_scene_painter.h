#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "renderer/scene/scene.h"
#include "platform/win32/handles.h"
#include "renderer/win32/scene_painter.h"

namespace orvane::renderer::win32 {

// The fallback without usable OpenGL: the glyph rain in 2-D, drawn as text with GDI into an
// off-screen bitmap and copied to the window once per frame.
class GdiScenePainter final : public ScenePainter {
 public:
  // Empty when not even the off-screen bitmap can be made.
  static std::unique_ptr<GdiScenePainter> Create(HWND window, const std::vector<SceneView>& views,
                                                 const GlyphAtlas& atlas);
  ~GdiScenePainter() override;

  void Paint(double seconds) override;

 private:
  GdiScenePainter(HWND window, const std::vector<SceneView>& views, const GlyphAtlas& atlas);
  bool SetUp();
  void PaintView(const SceneView& view, double seconds);
  HFONT FontFor(float glyphPixels) const;

  HWND window_;
  const std::vector<SceneView>& views_;
  int width_ = 0;
  int height_ = 0;
  const GlyphAtlas& atlas_;
  platform::win32::UniqueMemoryDc buffer_;
  platform::win32::UniqueBitmap bitmap_;
  HGDIOBJ originalBitmap_ = nullptr;
  std::vector<platform::win32::UniqueFont> fonts_;  // one for each of kFontPixels
  std::vector<GlyphSprite> sprites_;
  std::vector<ScreenGlyph> glyphs_;
};

}  // namespace orvane::renderer::win32
