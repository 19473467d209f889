#include "platform/win32/win32_text_label.h"

#include "platform/win32/ansi_text.h"
#include "platform/win32/gdi_font.h"

namespace orvane::platform::win32 {

Win32TextLabel::Win32TextLabel(HWND window, DisplayServices& display)
    : window_(window),
      twipsPerPixelX_(display.TwipsPerPixelX()),
      twipsPerPixelY_(display.TwipsPerPixelY()) {}

void Win32TextLabel::Redraw() { InvalidateRect(window_, nullptr, FALSE); }

void Win32TextLabel::SetText(const std::wstring& text) {
  text_ = text;
  Redraw();
}

void Win32TextLabel::SetColour(std::uint32_t colour) {
  colour_ = colour;
  Redraw();
}

void Win32TextLabel::SetFont(const FontDescription& font) {
  font_ = font;
  systemFont_ = MakeFont(font, twipsPerPixelY_);
  Redraw();
}

void Win32TextLabel::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Redraw();
}

void Win32TextLabel::Move(const TwipsRect& box) {
  const Rect before = TwipsRectToPixels(box_, twipsPerPixelX_, twipsPerPixelY_);
  const Rect after = TwipsRectToPixels(box, twipsPerPixelX_, twipsPerPixelY_);
  box_ = box;
  if (before.left != after.left || before.top != after.top || before.right != after.right ||
      before.bottom != after.bottom) {
    Redraw();
  }
}

void Win32TextLabel::PaintText(HDC dc, RECT box, COLORREF colour, int offset) {
  OffsetRect(&box, offset, offset);
  SetTextColor(dc, colour);
  const std::string text = ToAnsi(text_);
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
            DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

void Win32TextLabel::DrawOn(HDC dc) {
  const Rect box = TwipsRectToPixels(box_, twipsPerPixelX_, twipsPerPixelY_);
  // Text beyond the box, or beyond the window, is not shown.
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, systemFont_ ? static_cast<HGDIOBJ>(systemFont_.get())
                               : GetStockObject(DEFAULT_GUI_FONT));
  const RECT rect{box.left, box.top, box.right, box.bottom};
  if (enabled_) {
    PaintText(dc, rect, colour_, 0);
  } else {
    // Greyed as the system draws disabled text: engraved, a highlight under a grey shadow.
    PaintText(dc, rect, GetSysColor(COLOR_3DHILIGHT), 1);
    PaintText(dc, rect, GetSysColor(COLOR_GRAYTEXT), 0);
  }
  RestoreDC(dc, saved);
}

}  // namespace orvane::platform::win32
