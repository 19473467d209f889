#pragma once

#include <string>

#include "artwork/picture.h"

namespace orvane::artwork {

// The bytes of a Windows bitmap file holding `picture` at 24 bits per pixel and 96 dpi.
std::string BitmapFileBytes(const Picture& picture);

}  // namespace orvane::artwork
