#pragma once

#include <optional>

#include "renderer/scene/grey_image.h"

namespace orvane::renderer::win32 {

// The glow texture from a Windows bitmap file of any colour depth, as brightness (the texture
// is near grey; the scene tints it). Nothing when the file is missing, unreadable, or not a
// square whose side is a power of two from 16 to 1024, which OpenGL 1.1 needs.
std::optional<GreyImage> LoadGlowTexture(const wchar_t* path);

}  // namespace orvane::renderer::win32
