#pragma once

#include <memory>
#include <string>

#include "platform/services.h"

namespace orvane::saver {

// Resource number of the 128 x 128 glow texture, a Windows bitmap file carried by the program.
inline constexpr int kGlowTextureResource = 101;

// The renderer's two files, as this run wrote them into the staging folder: held until the
// run ends, and then removed.
struct StagedFiles {
  std::unique_ptr<platform::HeldFolder> folder;
  std::unique_ptr<platform::HeldFile> model;
  std::unique_ptr<platform::HeldFile> texture;
};

// Writes the model shipped beside the program and the glow texture into the staging folder,
// in place of what an earlier run may have left. A staging folder that is not a folder of its
// own (a link to another, or a file) is not used, and a file that cannot be staged is left
// out: the renderer then shows its scene without them.
StagedFiles StageRendererFiles(platform::Services& services);
// Deletes the files this run wrote, those and no others; the folder stays.
void RemoveStagedFiles(StagedFiles& staged);

}  // namespace orvane::saver
