#include "renderer/win32/gdi_scene_painter.h"

#include <algorithm>
#include <array>

#include "platform/win32/handles.h"

namespace orvane::renderer::win32 {
namespace {

// Text heights to choose from, each about 1.4 times the one before.
constexpr std::array<int, 9> kFontPixels = {8, 11, 16, 22, 32, 45, 64, 90, 128};
// A glyph fills this share of its sprite, the rest being room for its glow.
constexpr float kTextShareOfSprite = 0.69f;
constexpr float kSpeckShareOfText = 0.6f;
constexpr wchar_t kFontFace[] = L"MS Gothic";

BYTE Channel(float value) { return static_cast<BYTE>(std::clamp(value, 0.0f, 1.0f) * 255 + 0.5f); }

}  // namespace

std::unique_ptr<GdiScenePainter> GdiScenePainter::Create(HWND window, const std::vector<SceneView>& views,
                                                         const GlyphAtlas& atlas) {
  std::unique_ptr<GdiScenePainter> painter(new GdiScenePainter(window, views, atlas));
  if (!painter->SetUp()) return nullptr;
  return painter;
}

GdiScenePainter::GdiScenePainter(HWND window, const std::vector<SceneView>& views, const GlyphAtlas& atlas)
    : window_(window), views_(views), atlas_(atlas) {
  RECT client{};
  GetClientRect(window, &client);
  width_ = client.right;
  height_ = client.bottom;
}

GdiScenePainter::~GdiScenePainter() {
  if (originalBitmap_) SelectObject(buffer_.get(), originalBitmap_);
}

bool GdiScenePainter::SetUp() {
  const platform::win32::WindowDC screen(window_);
  buffer_.reset(CreateCompatibleDC(screen.get()));
  bitmap_.reset(CreateCompatibleBitmap(screen.get(), width_, height_));
  if (!buffer_ || !bitmap_) return false;
  originalBitmap_ = SelectObject(buffer_.get(), bitmap_.get());
  SetBkMode(buffer_.get(), TRANSPARENT);
  for (const int pixels : kFontPixels) {
    fonts_.emplace_back(CreateFontW(-pixels, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                    FIXED_PITCH | FF_MODERN, kFontFace));
  }
  return true;
}

// The largest font not taller than the glyph; none for glyphs too small to read.
HFONT GdiScenePainter::FontFor(float glyphPixels) const {
  HFONT chosen = nullptr;
  for (std::size_t i = 0; i < kFontPixels.size(); ++i) {
    if (kFontPixels[i] <= glyphPixels) chosen = fonts_[i].get();
  }
  return chosen;
}

void GdiScenePainter::Paint(double seconds) {
  const HDC dc = buffer_.get();
  PatBlt(dc, 0, 0, width_, height_, BLACKNESS);
  for (const SceneView& view : views_) PaintView(view, seconds);
  const platform::win32::WindowDC window(window_);
  BitBlt(window.get(), 0, 0, width_, height_, dc, 0, 0, SRCCOPY);
}

// Drawn with the monitor's top-left corner as the origin, cut off at its edges.
void GdiScenePainter::PaintView(const SceneView& view, double seconds) {
  const HDC dc = buffer_.get();
  const platform::Rect& area = view.area;
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
  SetViewportOrgEx(dc, area.left, area.top, nullptr);
  sprites_.clear();
  view.scene.AppendGlyphs(seconds, sprites_);
  glyphs_.clear();
  view.scene.Project(seconds, sprites_, glyphs_);
  SetTextAlign(dc, TA_CENTER | TA_TOP);
  const platform::win32::ScopedSelection dotBrush(dc, GetStockObject(DC_BRUSH));
  for (const ScreenGlyph& glyph : glyphs_) {
    const COLORREF colour = RGB(Channel(glyph.colour.r), Channel(glyph.colour.g), Channel(glyph.colour.b));
    const float textPixels = glyph.size * kTextShareOfSprite;
    const HFONT font = FontFor(textPixels);
    if (!font) {
      // Too small to read: a speck of its colour, as the distant glyphs look in 3-D.
      const int side = std::max(1, static_cast<int>(textPixels * kSpeckShareOfText));
      SetDCBrushColor(dc, colour);
      PatBlt(dc, static_cast<int>(glyph.x) - side / 2, static_cast<int>(glyph.y) - side / 2, side, side, PATCOPY);
      continue;
    }
    const platform::win32::ScopedSelection selected(dc, font);
    SetTextColor(dc, colour);
    const wchar_t character = atlas_.characters[static_cast<std::size_t>(atlas_.usableCells[glyph.glyph])];
    TextOutW(dc, static_cast<int>(glyph.x), static_cast<int>(glyph.y - textPixels / 2), &character, 1);
  }
  RestoreDC(dc, saved);
}

}  // namespace orvane::renderer::win32
