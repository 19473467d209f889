#include "renderer/win32/glyph_atlas.h"

#include <windows.h>

#include "platform/win32/handles.h"
#include "platform/win32/top_down_dib.h"

namespace orvane::renderer::win32 {
namespace {

// Half-width katakana, digits and a few signs: 64 characters, one per cell.
constexpr wchar_t kCharacters[] =
    L"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝ0123456789=+*<>:Z|X";
constexpr wchar_t kFontFace[] = L"MS Gothic";
constexpr int kGlyphPixels = 44;
constexpr int kGlowRadius = 4;
constexpr float kGlowStrength = 1.8f;

}  // namespace

GlyphAtlas BuildGlyphAtlas() {
  GlyphAtlas atlas;
  atlas.characters = kCharacters;
  const int side = GlyphAtlas::kCellPixels * GlyphAtlas::kCellsPerRow;
  GreyImage drawn(side, side);

  const BITMAPINFO info = platform::win32::TopDownDibInfo(side, side);
  void* bits = nullptr;
  const platform::win32::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  const platform::win32::UniqueBitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  // Shift-JIS fonts hold the katakana; an unknown face name still maps to one of them.
  const platform::win32::UniqueFont font(CreateFontW(-kGlyphPixels, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                    FIXED_PITCH | FF_MODERN, kFontFace));
  if (dc && bitmap && bits) {
    const platform::win32::ScopedSelection selectedBitmap(dc.get(), bitmap.get());
    const platform::win32::ScopedSelection selectedFont(dc.get(), font.get());
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), RGB(255, 255, 255));
    for (std::size_t cell = 0; cell < atlas.characters.size(); ++cell) {
      const wchar_t* character = &atlas.characters[cell];
      SIZE extent{};
      GetTextExtentPoint32W(dc.get(), character, 1, &extent);
      const int left = static_cast<int>(cell) % GlyphAtlas::kCellsPerRow * GlyphAtlas::kCellPixels;
      const int top = static_cast<int>(cell) / GlyphAtlas::kCellsPerRow * GlyphAtlas::kCellPixels;
      TextOutW(dc.get(), left + (GlyphAtlas::kCellPixels - extent.cx) / 2,
               top + (GlyphAtlas::kCellPixels - extent.cy) / 2, character, 1);
    }
    GdiFlush();
    // White text on black: any one channel is the glyph's coverage.
    const auto* pixels = static_cast<const std::uint8_t*>(bits);
    for (std::size_t i = 0; i < drawn.pixels.size(); ++i) drawn.pixels[i] = pixels[i * 4 + 1];
  }

  for (int cell = 0; cell < static_cast<int>(atlas.characters.size()); ++cell) {
    if (CellHasInk(drawn, GlyphAtlas::kCellPixels, cell)) atlas.usableCells.push_back(cell);
  }
  // Without any font the rain still has one (blank) glyph rather than none.
  if (atlas.usableCells.empty()) atlas.usableCells.push_back(0);
  atlas.image = WithGlow(drawn, GlyphAtlas::kCellPixels, kGlowRadius, kGlowStrength);
  return atlas;
}

}  // namespace orvane::renderer::win32
