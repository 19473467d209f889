#pragma once

#include <cstdint>

#include "platform/types.h"

namespace orvane::platform {

// The pixel that a twips coordinate falls on at `twipsPerPixel`: the nearest one, halves going
// up, as the window layer places geometry given in twips.
std::int32_t TwipsToPixels(double twips, int twipsPerPixel);

}  // namespace orvane::platform
