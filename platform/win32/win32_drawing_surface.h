#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "platform/display_services.h"
#include "platform/drawing_surface.h"
#include "platform/win32/handles.h"

namespace orvane::platform::win32 {

// The retained image of one window: drawing goes into a bitmap of the window's size, which
// the window's paint handler shows through PaintTo.
class Win32DrawingSurface final : public DrawingSurface {
 public:
  Win32DrawingSurface(HWND window, DisplayServices& display);

  std::int32_t WidthTwips() override;
  std::int32_t HeightTwips() override;
  std::int32_t WidthPixels() override;
  std::int32_t HeightPixels() override;
  void Clear() override;
  void DrawPicturePart(const std::wstring& picture, const TwipsRect& source,
                       const TwipsRect& destination) override;
  void GradientFill(const std::vector<GradientVertex>& vertices,
                    const std::vector<GradientRectangle>& mesh,
                    GradientDirection direction) override;
  void Present() override;
  BackgroundStyle GetBackgroundStyle() override { return style_; }
  void SetBackgroundStyle(BackgroundStyle style) override;

  // Paints the window from the image, or, while transparent, from its parent's background.
  void PaintTo(HDC dc);

 private:
  SIZE ClientSize() const;
  // The image's drawing context, with an image as large as the window now is.
  HDC Image();
  HBITMAP Picture(const std::wstring& name);

  HWND window_;
  int twipsPerPixelX_;
  int twipsPerPixelY_;
  BackgroundStyle style_ = BackgroundStyle::kOpaque;
  std::map<std::wstring, UniqueBitmap> pictures_;
  UniqueBitmap image_;
  SIZE imageSize_{0, 0};
  UniqueMemoryDc imageDc_;  // after image_, so it is deleted first and lets go of the image
};

}  // namespace orvane::platform::win32
