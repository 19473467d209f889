#pragma once

#include <string>

#include "platform/services.h"

namespace orvane::saver {

// Resource number of the 128 x 128 glow texture, a Windows bitmap file carried by the program.
inline constexpr int kGlowTextureResource = 101;

// Copies the model shipped beside the program and writes the glow texture, replacing what
// an earlier run may have left; one that cannot be staged is left out.
void StageRendererFiles(platform::Services& services);
// Deletes the two files where they exist; the folder stays.
void RemoveStagedFiles(platform::Services& services);

}  // namespace orvane::saver
