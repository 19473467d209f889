#pragma once

#include "platform/font_description.h"
#include "platform/win32/handles.h"

namespace orvane::platform::win32 {

// The system font for `font` on a screen with `twipsPerPixelY`, with the font's character
// height (what a point size measures) in pixels.
UniqueFont MakeFont(const FontDescription& font, int twipsPerPixelY);

}  // namespace orvane::platform::win32
