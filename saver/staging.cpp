#include "saver/staging.h"

#include "contract/program_contract.h"
#include "platform/file_exists.h"

namespace orvane::saver {

void StageRendererFiles(platform::Services& services) {
  platform::FileServices& files = services.files;
  const bool modelStaged = files.CopyFileReplacing(
      services.process.ProgramFolder() + contract::kModelFileName, contract::kStagedModel);
  const bool textureStaged = files.WriteWholeFile(
      contract::kStagedTexture, services.process.ResourceData(kGlowTextureResource));
  // A file that could not be staged is not left half written or from an earlier run: the
  // renderer shows its scene without it.
  if (!modelStaged) files.RemoveFile(contract::kStagedModel);
  if (!textureStaged) files.RemoveFile(contract::kStagedTexture);
}

void RemoveStagedFiles(platform::Services& services) {
  for (const wchar_t* file : {contract::kStagedModel, contract::kStagedTexture}) {
    if (platform::FileExists(services.files, file)) services.files.RemoveFile(file);
  }
}

}  // namespace orvane::saver
