#pragma once

#include <string>

#include "button/artwork/face_art.h"

namespace orvane::button::artwork {

// The bytes of a Windows bitmap file holding `picture` at 24 bits per pixel and 96 dpi.
std::string BitmapFileBytes(const Picture& picture);

}  // namespace orvane::button::artwork
