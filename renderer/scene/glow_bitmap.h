#pragma once

#include <optional>
#include <string_view>

#include "renderer/scene/grey_image.h"

namespace orvane::renderer {

// The glow texture from the bytes of a Windows bitmap file of 24 bits a pixel, uncompressed, as
// the saver stages it, as brightness (the texture is near grey; the scene tints it).
// Nothing when the bytes are not such a file, or not a square whose side is a power of two from
// 16 to 1024, which OpenGL 1.1 needs: every size and offset the file gives is checked against
// its length before it is used.
std::optional<GreyImage> GlowFromBitmapFile(std::string_view file);

}  // namespace orvane::renderer
