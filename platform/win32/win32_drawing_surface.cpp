#include "platform/win32/win32_drawing_surface.h"

#include "platform/win32/ansi_text.h"
#include "platform/win32/parent_background.h"

namespace orvane::platform::win32 {

Win32DrawingSurface::Win32DrawingSurface(HWND window, DisplayServices& display)
    : window_(window),
      twipsPerPixelX_(display.TwipsPerPixelX()),
      twipsPerPixelY_(display.TwipsPerPixelY()) {}

SIZE Win32DrawingSurface::ClientSize() const {
  RECT client{};
  GetClientRect(window_, &client);
  return {client.right, client.bottom};
}

std::int32_t Win32DrawingSurface::WidthTwips() { return WidthPixels() * twipsPerPixelX_; }
std::int32_t Win32DrawingSurface::HeightTwips() { return HeightPixels() * twipsPerPixelY_; }
std::int32_t Win32DrawingSurface::WidthPixels() { return ClientSize().cx; }
std::int32_t Win32DrawingSurface::HeightPixels() { return ClientSize().cy; }

HDC Win32DrawingSurface::Image() {
  const SIZE size = ClientSize();
  if (image_ && size.cx == imageSize_.cx && size.cy == imageSize_.cy) return imageDc_.get();
  const WindowDC screen(window_);
  if (!imageDc_) imageDc_.reset(CreateCompatibleDC(screen.get()));
  UniqueBitmap image(CreateCompatibleBitmap(screen.get(), size.cx > 0 ? size.cx : 1,
                                            size.cy > 0 ? size.cy : 1));
  // Selecting the new image lets go of the old one, which can then be deleted.
  SelectObject(imageDc_.get(), image.get());
  image_ = std::move(image);
  imageSize_ = size;
  return imageDc_.get();
}

void Win32DrawingSurface::Clear() {
  const HDC image = Image();
  const RECT all{0, 0, imageSize_.cx, imageSize_.cy};
  FillRect(image, &all, GetSysColorBrush(COLOR_BTNFACE));
}

HBITMAP Win32DrawingSurface::Picture(const std::wstring& name) {
  auto found = pictures_.find(name);
  if (found == pictures_.end()) {
    // A DIB section keeps the picture's own 24-bit colours.
    UniqueBitmap picture(static_cast<HBITMAP>(LoadImageA(
        GetModuleHandleA(nullptr), ToAnsi(name).c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    found = pictures_.emplace(name, std::move(picture)).first;
  }
  return found->second.get();
}

void Win32DrawingSurface::DrawPicturePart(const std::wstring& picture, const TwipsRect& source,
                                          const TwipsRect& destination) {
  const HBITMAP bitmap = Picture(picture);
  if (!bitmap) return;
  const HDC image = Image();
  const Rect from = TwipsRectToPixels(source, kPictureTwipsPerPixel, kPictureTwipsPerPixel);
  const Rect to = TwipsRectToPixels(destination, twipsPerPixelX_, twipsPerPixelY_);
  const UniqueMemoryDc pictureDc(CreateCompatibleDC(image));
  const ScopedSelection selection(pictureDc.get(), bitmap);
  // Whole pixels only: a stretched edge repeats the picture's columns and rows unblended.
  SetStretchBltMode(image, COLORONCOLOR);
  StretchBlt(image, to.left, to.top, to.right - to.left, to.bottom - to.top, pictureDc.get(),
             from.left, from.top, from.right - from.left, from.bottom - from.top, SRCCOPY);
}

void Win32DrawingSurface::GradientFill(const std::vector<GradientVertex>& vertices,
                                       const std::vector<GradientRectangle>& mesh,
                                       GradientDirection direction) {
  std::vector<TRIVERTEX> systemVertices;
  for (const GradientVertex& v : vertices) {
    systemVertices.push_back({v.x, v.y, v.red, v.green, v.blue, v.alpha});
  }
  std::vector<GRADIENT_RECT> systemMesh;
  for (const GradientRectangle& r : mesh) systemMesh.push_back({r.upperLeft, r.lowerRight});
  ::GradientFill(Image(), systemVertices.data(), static_cast<ULONG>(systemVertices.size()),
                 systemMesh.data(), static_cast<ULONG>(systemMesh.size()),
                 direction == GradientDirection::kVertical ? GRADIENT_FILL_RECT_V
                                                           : GRADIENT_FILL_RECT_H);
}

void Win32DrawingSurface::Present() {
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void Win32DrawingSurface::SetBackgroundStyle(BackgroundStyle style) {
  style_ = style;
  InvalidateRect(window_, nullptr, FALSE);
}

void Win32DrawingSurface::PaintTo(HDC dc) {
  if (style_ == BackgroundStyle::kTransparent || !image_) {
    PaintParentBackground(window_, dc);
    return;
  }
  BitBlt(dc, 0, 0, imageSize_.cx, imageSize_.cy, imageDc_.get(), 0, 0, SRCCOPY);
}

}  // namespace orvane::platform::win32
