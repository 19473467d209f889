#include "platform/win32/gdi_font.h"

#include <cmath>

namespace orvane::platform::win32 {
namespace {

constexpr int kTwipsPerPoint = 20;

// Faces that hold the Japanese glyphs, for a system that knows the face asked for by no name:
// the design face by its English name, then the Japanese faces of later Windows.
constexpr const wchar_t* kJapaneseFaces[] = {L"MS PGothic", L"Yu Gothic UI", L"Meiryo UI",
                                             L"MS UI Gothic"};

int CALLBACK NoteFaceFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;  // one is enough
}

bool FaceInstalled(const std::wstring& face) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  face.copy(wanted.lfFaceName, LF_FACESIZE - 1);
  bool found = false;
  const WindowDC screen(nullptr);
  EnumFontFamiliesExW(screen.get(), &wanted, NoteFaceFound, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

// The face asked for where the system has it; for a Japanese font, else one with the same
// glyphs, so that no text turns into boxes. Where none is found either, the font mapper picks
// a face by the character set.
std::wstring FaceToUse(const FontDescription& font) {
  if (font.charset != kShiftJisCharset || FaceInstalled(font.name)) return font.name;
  for (const wchar_t* face : kJapaneseFaces) {
    if (FaceInstalled(face)) return face;
  }
  return font.name;
}

}  // namespace

UniqueFont MakeFont(const FontDescription& font, int twipsPerPixelY) {
  // A negative height asks for the character height, which is what a point size measures.
  const int height = -static_cast<int>(std::lround(font.sizePoints * kTwipsPerPoint / twipsPerPixelY));
  return UniqueFont(CreateFontW(height, 0, 0, 0, font.weight, font.italic, font.underline,
                                font.strikethrough, static_cast<DWORD>(font.charset),
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, FaceToUse(font).c_str()));
}

}  // namespace orvane::platform::win32
