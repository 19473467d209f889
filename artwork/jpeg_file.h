#pragma once

#include <string>

#include "artwork/picture.h"

namespace orvane::artwork {

// The bytes of a baseline JFIF 1.01 file holding `picture` in colour (three components of 8
// bits) at 96 dots per inch, at quality `quality` (1 to 100).
std::string JpegFileBytes(const Picture& picture, int quality);

}  // namespace orvane::artwork
