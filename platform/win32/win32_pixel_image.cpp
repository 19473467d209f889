#include "platform/win32/win32_pixel_image.h"

#include <algorithm>
#include <cstring>

#include "platform/win32/gdi_font.h"
#include "platform/win32/system_function.h"
#include "platform/win32/top_down_dib.h"

namespace orvane::platform::win32 {
namespace {

using UniquePen = UniqueHandle<GdiObjectTraits<HPEN>>;

// Rows `top` to `bottom`, columns `left` to `right`, of a picture `stride` pixels wide, the
// rows from `lowerHalf` on being those a copy from the top down reaches last.
struct PixelBlock {
  std::uint32_t* pixels;
  std::int32_t stride, left, right, top, bottom, lowerHalf;
};

// Has the system map the pages of a run of memory a piece at a time, one call a piece, where
// first writes would fault them in one at a time (several times slower under Wine). A piece
// locked and unlocked at once stays within the smallest working set Windows grants.
void MapRun(std::uint32_t* begin, std::uint32_t* end) {
  constexpr std::size_t kPieceBytes = 64 * 1024;
  auto* byte = reinterpret_cast<char*>(begin);
  const auto* endByte = reinterpret_cast<char*>(end);
  for (; byte < endByte; byte += kPieceBytes) {
    const std::size_t size = std::min<std::size_t>(kPieceBytes, endByte - byte);
    if (VirtualLock(byte, size)) VirtualUnlock(byte, size);
  }
}

// Maps the pages of the block's rows, taken across the picture's whole width so that they make
// one run of memory (on a picture of several monitors, the rest of each row is copied next),
// then writes a zero into each page of the block's lower half: a mapped page's first write still
// costs (under Wine in a virtual machine), and this thread takes that cost for the rows the copy
// reaches last. A thread's procedure.
DWORD WINAPI MapPages(void* block) {
  const PixelBlock& pages = *static_cast<const PixelBlock*>(block);
  const auto rowStart = [&pages](std::int32_t y) {
    return pages.pixels + static_cast<std::size_t>(y) * pages.stride;
  };
  MapRun(rowStart(pages.top), rowStart(pages.bottom));
  constexpr std::int32_t kPixelsPerPage = 4096 / sizeof(std::uint32_t);
  for (std::int32_t y = pages.lowerHalf; y < pages.bottom; ++y) {
    volatile std::uint32_t* row = rowStart(y);
    for (std::int32_t x = pages.left; x < pages.right; x += kPixelsPerPage) row[x] = 0;
    row[pages.right - 1] = 0;
  }
  return 0;
}

}  // namespace

Win32PixelImage::Win32PixelImage(std::int32_t width, std::int32_t height, DisplayServices& display)
    : display_(display), dc_(CreateCompatibleDC(nullptr)) {
  Resize(width, height);
}

Win32PixelImage::~Win32PixelImage() {
  if (originalBitmap_) SelectObject(dc_.get(), originalBitmap_);
}

void Win32PixelImage::Resize(std::int32_t width, std::int32_t height) {
  const BITMAPINFO info = TopDownDibInfo(std::max(width, 1), std::max(height, 1));
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap) return;
  const HGDIOBJ previous = SelectObject(dc_.get(), bitmap.get());
  if (!originalBitmap_) originalBitmap_ = previous;
  bitmap_ = std::move(bitmap);
  pixels_ = static_cast<std::uint32_t*>(bits);
  width_ = width;
  height_ = height;
}

void Win32PixelImage::CopyFromScreen(const Rect& area, const Point& at) {
  const WindowDC screen(GetDesktopWindow());
  const std::int32_t width = area.right - area.left, height = area.bottom - area.top;
  // Copied in strips of at most 256 KB: the system buffers each strip on its way from the
  // display, and a buffer that small is reused strip after strip, where one for the whole area
  // would be fresh memory (Wine under X takes about three times as long for a 4K screen).
  constexpr std::int32_t kStripBytes = 256 * 1024;
  const std::int32_t stripRows = std::max<std::int32_t>(1, kStripBytes / std::max(1, width * 4));
  const auto copyRows = [&](std::int32_t from, std::int32_t to) {
    for (std::int32_t row = from; row < to; row += stripRows) {
      BitBlt(dc_.get(), at.x, at.y + row, width, std::min(stripRows, to - row), screen.get(),
             area.left, area.top + row, SRCCOPY);
    }
  };
  // A fresh picture's pages are mapped on first write, which costs more than the copy itself:
  // another thread maps them, and writes to those of the lower half while this one copies the
  // upper.
  const std::int32_t top = std::max(at.y, 0), bottom = std::min(at.y + height, height_);
  PixelBlock block{pixels_, width_, std::max(at.x, 0), std::min(at.x + width, width_), top, bottom,
                   std::clamp(at.y + height / 2, top, bottom)};
  const UniqueKernelHandle mapping(
      block.left < block.right && block.top < block.bottom
          ? CreateThread(nullptr, 0, MapPages, &block, 0, nullptr)
          : nullptr);
  copyRows(0, height / 2);
  if (mapping) WaitForSingleObject(mapping.get(), INFINITE);
  copyRows(height / 2, height);
  gdiDrawingPending_ = true;
}

void Win32PixelImage::FlushGdiDrawing() {
  // What GDI drew may still be queued; the pixels are read and written directly only after it.
  if (!gdiDrawingPending_) return;
  GdiFlush();
  gdiDrawingPending_ = false;
}

void Win32PixelImage::CopyFrom(PixelImage& source, std::int32_t sourceX, std::int32_t sourceY,
                               std::int32_t width, std::int32_t height, std::int32_t destinationX,
                               std::int32_t destinationY) {
  auto& from = static_cast<Win32PixelImage&>(source);
  // Clipped to the source, then to the destination, moving the other side along.
  const auto clip = [&width, &height](std::int32_t& x, std::int32_t& y, std::int32_t& otherX,
                                      std::int32_t& otherY, std::int32_t limitX, std::int32_t limitY) {
    if (x < 0) otherX -= x, width += x, x = 0;
    if (y < 0) otherY -= y, height += y, y = 0;
    width = std::min(width, limitX - x);
    height = std::min(height, limitY - y);
  };
  clip(sourceX, sourceY, destinationX, destinationY, from.width_, from.height_);
  clip(destinationX, destinationY, sourceX, sourceY, width_, height_);
  if (width <= 0 || height <= 0 || !pixels_ || !from.pixels_) return;
  from.FlushGdiDrawing();
  FlushGdiDrawing();
  for (std::int32_t row = 0; row < height; ++row) {
    std::memmove(pixels_ + static_cast<std::size_t>(destinationY + row) * width_ + destinationX,
                 from.pixels_ + static_cast<std::size_t>(sourceY + row) * from.width_ + sourceX,
                 static_cast<std::size_t>(width) * sizeof(std::uint32_t));
  }
}

void Win32PixelImage::FillRectangle(std::int32_t x, std::int32_t y, std::int32_t width,
                                    std::int32_t height, Colour colour) {
  const std::int32_t left = std::max(x, 0), top = std::max(y, 0);
  const std::int32_t right = std::min(x + width, width_), bottom = std::min(y + height, height_);
  if (left >= right || top >= bottom || !pixels_) return;
  // A DIB pixel holds red, green and blue the other way round from a colour value.
  const std::uint32_t pixel = (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
  FlushGdiDrawing();
  for (std::int32_t row = top; row < bottom; ++row) {
    std::fill(pixels_ + static_cast<std::size_t>(row) * width_ + left,
              pixels_ + static_cast<std::size_t>(row) * width_ + right, pixel);
  }
}

void Win32PixelImage::DrawLine(const Point& from, const Point& to, Colour colour, const Rect& within) {
  const UniquePen pen(CreatePen(PS_SOLID, 1, colour));
  const HDC dc = dc_.get();
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, within.left, within.top, within.right, within.bottom);
  SelectObject(dc, pen.get());
  MoveToEx(dc, from.x, from.y, nullptr);
  LineTo(dc, to.x, to.y);
  SetPixelV(dc, to.x, to.y, colour);  // LineTo leaves out the last point
  // Lets go of the pen before it is deleted.
  RestoreDC(dc, saved);
  gdiDrawingPending_ = true;
}

void Win32PixelImage::StretchFrom(PixelImage& source, const Rect& from, const Rect& to) {
  auto& picture = static_cast<Win32PixelImage&>(source);
  SetStretchBltMode(dc_.get(), COLORONCOLOR);
  StretchBlt(dc_.get(), to.left, to.top, to.right - to.left, to.bottom - to.top, picture.dc_.get(),
             from.left, from.top, from.right - from.left, from.bottom - from.top, SRCCOPY);
  gdiDrawingPending_ = true;
}

void Win32PixelImage::GradientFill(const std::vector<GradientVertex>& vertices,
                                   const std::vector<GradientRectangle>& mesh,
                                   GradientDirection direction) {
  std::vector<TRIVERTEX> systemVertices;
  for (const GradientVertex& v : vertices) {
    systemVertices.push_back({v.x, v.y, v.red, v.green, v.blue, v.alpha});
  }
  std::vector<GRADIENT_RECT> systemMesh;
  for (const GradientRectangle& r : mesh) systemMesh.push_back({r.upperLeft, r.lowerRight});
  // gdi32's own GdiGradientFill, which msimg32's GradientFill only passes on: msimg32.dll is not
  // among the DLLs the system always takes from its own folder.
  static const auto gradientFill =
      SystemFunction<decltype(&::GradientFill)>(L"gdi32.dll", "GdiGradientFill");
  if (!gradientFill) return;
  gradientFill(dc_.get(), systemVertices.data(), static_cast<ULONG>(systemVertices.size()),
               systemMesh.data(), static_cast<ULONG>(systemMesh.size()),
               direction == GradientDirection::kVertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
  gdiDrawingPending_ = true;
}

void Win32PixelImage::DrawCentredText(const std::wstring& text, const Rect& box,
                                      const FontDescription& font, Colour colour, bool greyed) {
  const UniqueFont systemFont = MakeFont(font, display_.TwipsPerPixelY());
  const HDC dc = dc_.get();
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
  SetBkMode(dc, TRANSPARENT);
  SelectObject(dc, systemFont ? static_cast<HGDIOBJ>(systemFont.get())
                              : GetStockObject(DEFAULT_GUI_FONT));
  const auto draw = [&](COLORREF textColour, int offset) {
    RECT rect{box.left + offset, box.top + offset, box.right + offset, box.bottom + offset};
    SetTextColor(dc, textColour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  };
  if (greyed) {
    // Engraved, as the system greys a disabled control's text: a highlight under a grey shadow.
    draw(GetSysColor(COLOR_3DHILIGHT), 1);
    draw(GetSysColor(COLOR_GRAYTEXT), 0);
  } else {
    draw(colour, 0);
  }
  // Lets go of the font before it is deleted.
  RestoreDC(dc, saved);
  gdiDrawingPending_ = true;
}

}  // namespace orvane::platform::win32
