#pragma once

#include <windows.h>

#include "platform/display_services.h"
#include "platform/pixel_image.h"
#include "platform/win32/handles.h"

namespace orvane::platform::win32 {

// A 32-bit top-down DIB section selected into a memory drawing context of its own. Copies
// between such images and fills are done on the pixels directly, clipped as BitBlt clips:
// an effect frame makes over a thousand of them, and a call into GDI each costs far more.
class Win32PixelImage final : public PixelImage {
 public:
  // `display` gives the scale at which text is drawn.
  Win32PixelImage(std::int32_t width, std::int32_t height, DisplayServices& display);
  ~Win32PixelImage() override;

  std::int32_t Width() override { return width_; }
  std::int32_t Height() override { return height_; }
  void Resize(std::int32_t width, std::int32_t height) override;
  void CopyFromScreen(const Rect& area, const Point& at) override;
  void CopyFrom(PixelImage& source, std::int32_t sourceX, std::int32_t sourceY, std::int32_t width,
                std::int32_t height, std::int32_t destinationX, std::int32_t destinationY) override;
  void FillRectangle(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     Colour colour) override;
  void DrawLine(const Point& from, const Point& to, Colour colour, const Rect& within) override;
  void StretchFrom(PixelImage& source, const Rect& from, const Rect& to) override;
  void GradientFill(const std::vector<GradientVertex>& vertices,
                    const std::vector<GradientRectangle>& mesh,
                    GradientDirection direction) override;
  void DrawCentredText(const std::wstring& text, const Rect& box, const FontDescription& font,
                       Colour colour, bool greyed) override;

  HDC DeviceContext() const { return dc_.get(); }

 private:
  void FlushGdiDrawing();

  DisplayServices& display_;
  UniqueMemoryDc dc_;
  UniqueBitmap bitmap_;
  HGDIOBJ originalBitmap_ = nullptr;
  std::uint32_t* pixels_ = nullptr;
  bool gdiDrawingPending_ = false;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
};

}  // namespace orvane::platform::win32
