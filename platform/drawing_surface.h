#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/twips.h"

namespace orvane::platform {

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

// Whether the surface's image is shown, or only what lies behind the window shows through.
enum class BackgroundStyle { kTransparent = 0, kOpaque = 1 };

// The pictures that controls draw from are bitmaps of the program made at 96 dots per inch,
// so their twips are always 15 to a pixel, whatever the screen's factor is.
inline constexpr int kPictureTwipsPerPixel = 15;

// The drawing surface of a window, with a retained image: drawing goes into an image that
// every repaint of the window shows, and reaches the screen when presented.
class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;

  virtual std::int32_t WidthTwips() = 0;
  virtual std::int32_t HeightTwips() = 0;
  virtual std::int32_t WidthPixels() = 0;
  virtual std::int32_t HeightPixels() = 0;

  // Fills the whole image with the window's background colour.
  virtual void Clear() = 0;
  // Copies the `source` part of the picture resource named `picture`, stretched to fill
  // `destination` of the image.
  virtual void DrawPicturePart(const std::wstring& picture, const TwipsRect& source,
                               const TwipsRect& destination) = 0;
  // GradientFill of msimg32 on the image, in pixels.
  virtual void GradientFill(const std::vector<GradientVertex>& vertices,
                            const std::vector<GradientRectangle>& mesh,
                            GradientDirection direction) = 0;
  // Shows the image on the screen now.
  virtual void Present() = 0;

  virtual BackgroundStyle GetBackgroundStyle() = 0;
  virtual void SetBackgroundStyle(BackgroundStyle style) = 0;
};

}  // namespace orvane::platform
