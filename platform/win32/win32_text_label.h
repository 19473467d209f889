#pragma once

#include <windows.h>

#include <string>

#include "platform/display_services.h"
#include "platform/text_label.h"
#include "platform/win32/handles.h"

namespace orvane::platform::win32 {

// A label that its window draws over its own surface through DrawOn. A change shows at the
// window's next repaint, which the change asks for.
class Win32TextLabel final : public TextLabel {
 public:
  Win32TextLabel(HWND window, DisplayServices& display);

  std::wstring Text() override { return text_; }
  void SetText(const std::wstring& text) override;
  std::uint32_t Colour() override { return colour_; }
  void SetColour(std::uint32_t colour) override;
  FontDescription Font() override { return font_; }
  void SetFont(const FontDescription& font) override;
  void SetEnabled(bool enabled) override;
  void Move(const TwipsRect& box) override;

  void DrawOn(HDC dc);

 private:
  void Redraw();
  void PaintText(HDC dc, RECT box, COLORREF colour, int offset);

  HWND window_;
  int twipsPerPixelX_;
  int twipsPerPixelY_;
  std::wstring text_;
  std::uint32_t colour_ = 0;
  FontDescription font_;
  UniqueFont systemFont_;
  bool enabled_ = true;
  TwipsRect box_;
};

}  // namespace orvane::platform::win32
