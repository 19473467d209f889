#pragma once

#include <cstdint>
#include <vector>

#include "platform/pixel_image.h"
#include "platform/types.h"

namespace orvane::button {

// How many twips a pixel of the screen is, across and down (15 at 96 dots per inch).
struct TwipsPerPixel {
  int x = 15;
  int y = 15;
};

// One piece of a face picture's frame: which pixels of the 64 x 25 picture go to which
// pixels of the button.
struct FramePiece {
  platform::Rect source;
  platform::Rect destination;
};

// The frame pieces of a face on a button of this many pixels, in drawing order: the corners
// at the frame's size (60 twips, 4 pixels at 96 dpi) and the edges stretched between them. The
// top-left corner comes first, then the frame goes round clockwise. An edge with no room
// between its corners is left out.
std::vector<FramePiece> FramePieces(std::int32_t width, std::int32_t height, TwipsPerPixel scale);

// The caption's box on a button of this many pixels: as wide as the button and one line
// (195 twips) high, with its middle 10 twips above the button's; a box taller than the button
// starts above its top.
platform::Rect CaptionBox(std::int32_t width, std::int32_t height, TwipsPerPixel scale);

// The two vertices of the face gradient over a button of this many pixels: white at the top
// running to a pale lavender grey at the bottom, or the other way round when `reversed`.
std::vector<platform::GradientVertex> GradientVertices(bool reversed, std::int32_t width,
                                                       std::int32_t height);

// The one rectangle of the face gradient, named from its lower-right vertex to its upper-left.
inline const std::vector<platform::GradientRectangle> kGradientMesh = {{1, 0}};

}  // namespace orvane::button
