#include "saver/staging.h"

#include "contract/program_contract.h"
#include "platform/file_exists.h"

namespace orvane::saver {

void StageRendererFiles(platform::Services& services) {
  services.files.CopyFileReplacing(services.process.ProgramFolder() + contract::kModelFileName,
                                   contract::kStagedModel);
  services.files.WriteWholeFile(contract::kStagedTexture,
                                services.process.ResourceData(kGlowTextureResource));
}

void RemoveStagedFiles(platform::Services& services) {
  for (const wchar_t* file : {contract::kStagedModel, contract::kStagedTexture}) {
    if (platform::FileExists(services.files, file)) services.files.RemoveFile(file);
  }
}

}  // namespace orvane::saver
