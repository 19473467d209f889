#include "platform/win32/gdi_font.h"

#include <cmath>


namespace orvane::platform::win32 {
namespace {

constexpr int kTwipsPerPoint = 20;

}  // namespace

UniqueFont MakeFont(const FontDescription& font, int twipsPerPixelY) {
  // A negative height asks for the character height, which is what a point size measures.
  const int height = -static_cast<int>(std::lround(font.sizePoints * kTwipsPerPoint / twipsPerPixelY));
  return UniqueFont(CreateFontW(height, 0, 0, 0, font.weight, font.italic, font.underline,
                                font.strikethrough, static_cast<DWORD>(font.charset),
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, font.name.c_str()));
}

}  // namespace orvane::platform::win32
