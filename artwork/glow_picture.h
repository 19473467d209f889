#pragma once

#include "artwork/picture.h"

namespace orvane::artwork {

inline constexpr int kGlowTextureSize = 128;

// The renderer's glow texture: a soft, almost colourless light-grey patch, brightest (about
// 220) in the middle and fading to black at the circle that touches the edges.
Picture PaintGlowTexture();

}  // namespace orvane::artwork
