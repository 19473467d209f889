#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/font_description.h"
#include "platform/types.h"

namespace orvane::platform {

// Colours are 0x00BBGGRR.
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0x000000;

// One vertex of GradientFill (the system's TRIVERTEX): a pixel position and a colour whose
// 8-bit channels sit in the high byte of each 16-bit value.
struct GradientVertex {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::uint16_t red = 0;
  std::uint16_t green = 0;
  std::uint16_t blue = 0;
  std::uint16_t alpha = 0;
};

// One rectangle of a GradientFill mesh (the system's GRADIENT_RECT): the indices of the
// vertices at its upper-left and lower-right corners.
struct GradientRectangle {
  std::uint32_t upperLeft = 0;
  std::uint32_t lowerRight = 0;
};

// GRADIENT_FILL_RECT_H runs the colours from left to right, GRADIENT_FILL_RECT_V top to bottom.
enum class GradientDirection { kHorizontal = 0, kVertical = 1 };

// An image in pixels that keeps what is drawn on it: an off-screen surface, or the retained
// image that a window shows. Everything drawn outside it is clipped.
class PixelImage {
 public:
  virtual ~PixelImage() = default;

  virtual std::int32_t Width() = 0;
  virtual std::int32_t Height() = 0;
  // A new size; the content is black again.
  virtual void Resize(std::int32_t width, std::int32_t height) = 0;
  // Copies what the screen shows in `area` (screen pixels) to `at` of the image (GetDC of the
  // desktop window and BitBlt with SRCCOPY).
  virtual void CopyFromScreen(const Rect& area, const Point& at) = 0;
  // BitBlt with SRCCOPY from `source`.
  virtual void CopyFrom(PixelImage& source, std::int32_t sourceX, std::int32_t sourceY,
                        std::int32_t width, std::int32_t height, std::int32_t destinationX,
                        std::int32_t destinationY) = 0;
  virtual void FillRectangle(std::int32_t x, std::int32_t y, std::int32_t width,
                             std::int32_t height, Colour colour) = 0;
  // A one-pixel line from `from` to `to`, both ends drawn, of which only what lies `within` shows.
  virtual void DrawLine(const Point& from, const Point& to, Colour colour, const Rect& within) = 0;
  // Copies the `from` part of `source` stretched to fill `to`, repeating or leaving out whole
  // columns and rows without blending them (StretchBlt in COLORONCOLOR mode).
  virtual void StretchFrom(PixelImage& source, const Rect& from, const Rect& to) = 0;
  // GradientFill of msimg32.
  virtual void GradientFill(const std::vector<GradientVertex>& vertices,
                            const std::vector<GradientRectangle>& mesh,
                            GradientDirection direction) = 0;
  // One line of text centred across `box` from its top, on a transparent background, cut off
  // at the box. Greyed text is drawn as the system draws a disabled control's text.
  virtual void DrawCentredText(const std::wstring& text, const Rect& box, const FontDescription& font,
                               Colour colour, bool greyed) = 0;
};

}  // namespace orvane::platform
