#pragma once

#include <cstdint>

#include "platform/types.h"

namespace orvane::platform {

// Colours are 0x00BBGGRR.
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0x000000;

// An image in pixels that keeps what is drawn on it: an off-screen surface, or the retained
// image that a window shows. Everything drawn outside it is clipped.
class PixelImage {
 public:
  virtual ~PixelImage() = default;

  virtual std::int32_t Width() = 0;
  virtual std::int32_t Height() = 0;
  // A new size; the content is black again.
  virtual void Resize(std::int32_t width, std::int32_t height) = 0;
  // Copies the screen's top-left area, as large as the image, into it (GetDC of the
  // desktop window and BitBlt with SRCCOPY).
  virtual void CopyFromScreen() = 0;
  // BitBlt with SRCCOPY from `source`.
  virtual void CopyFrom(PixelImage& source, std::int32_t sourceX, std::int32_t sourceY,
                        std::int32_t width, std::int32_t height, std::int32_t destinationX,
                        std::int32_t destinationY) = 0;
  virtual void FillRectangle(std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height, Colour colour) = 0;
  // A one-pixel line from `from` to `to`, both ends drawn.
  virtual void DrawLine(const Point& from, const Point& to, Colour colour) = 0;
};

}  // namespace orvane::platform
