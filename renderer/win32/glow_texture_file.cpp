#include "renderer/win32/glow_texture_file.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/handles.h"
#include "platform/win32/top_down_dib.h"

namespace orvane::renderer::win32 {
namespace {

bool IsUsableSide(LONG side) { return side >= 16 && side <= 1024 && (side & (side - 1)) == 0; }

}  // namespace

std::optional<GreyImage> LoadGlowTexture(const wchar_t* path) {
  const platform::win32::UniqueBitmap bitmap(static_cast<HBITMAP>(
      LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
  if (!bitmap) return std::nullopt;
  BITMAP description{};
  if (!GetObjectW(bitmap.get(), sizeof description, &description)) return std::nullopt;
  const LONG side = description.bmWidth;
  if (description.bmHeight != side || !IsUsableSide(side)) return std::nullopt;

  BITMAPINFO info = platform::win32::TopDownDibInfo(side, side);
  std::vector<std::uint8_t> bgrx(static_cast<std::size_t>(side) * side * 4);
  const platform::win32::WindowDC screen(nullptr);
  if (GetDIBits(screen.get(), bitmap.get(), 0, static_cast<UINT>(side), bgrx.data(), &info, DIB_RGB_COLORS) !=
      side) {
    return std::nullopt;
  }
  GreyImage glow(side, side);
  for (std::size_t i = 0; i < glow.pixels.size(); ++i) {
    glow.pixels[i] = std::max({bgrx[i * 4], bgrx[i * 4 + 1], bgrx[i * 4 + 2]});
  }
  return glow;
}

}  // namespace orvane::renderer::win32
