#pragma once

#include <cstdint>
#include <vector>

#include "platform/drawing_surface.h"
#include "platform/twips.h"

namespace orvane::button {

// One piece of a face picture's frame: which part of the picture goes where on the button,
// both in twips.
struct FramePiece {
  platform::TwipsRect source;
  platform::TwipsRect destination;
};

// The frame pieces of a face on a button of this size, in drawing order: the corners at their
// own size and the edges stretched between them. The top-left corner comes first, then the
// frame goes round clockwise. An edge with no room between its corners is left out.
std::vector<FramePiece> FramePieces(std::int32_t widthTwips, std::int32_t heightTwips);

// The caption label's box on a button of this size: as wide as the button, one line high,
// with its middle 10 twips above the button's.
platform::TwipsRect CaptionBox(std::int32_t widthTwips, std::int32_t heightTwips);

// The two vertices of the face gradient over a surface of this many pixels: white at the top
// running to a pale lavender grey at the bottom, or the other way round when `reversed`.
std::vector<platform::GradientVertex> GradientVertices(bool reversed, std::int32_t widthPixels,
                                                       std::int32_t heightPixels);

// The one rectangle of the face gradient, named from its lower-right vertex to its upper-left.
inline const std::vector<platform::GradientRectangle> kGradientMesh = {{1, 0}};

}  // namespace orvane::button
