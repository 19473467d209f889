#include "saver/staging.h"

#include "startup/start_program.h"
#include "startup/system_utils.h"

namespace orvane::saver {

void StageRendererFiles(platform::Services& services) {
  services.files.CopyFileReplacing(services.process.ProgramFolder() + startup::kModelFileName,
                                   kStagedModel);
  services.files.WriteWholeFile(kStagedTexture,
                                services.process.ResourceData(kGlowTextureResource));
}

void RemoveStagedFiles(platform::Services& services) {
  for (const wchar_t* file : {kStagedModel, kStagedTexture}) {
    if (startup::FileExists(services.files, file)) services.files.RemoveFile(file);
  }
}

}  // namespace orvane::saver
