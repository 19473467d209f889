#include "saver/staging.h"

#include "contract/program_contract.h"

namespace orvane::saver {

StagedFiles StageRendererFiles(platform::Services& services) {
  StagedFiles staged;
  staged.folder = services.files.HoldFolder(contract::kStagingFolder);
  if (!staged.folder) return staged;
  const std::optional<std::string> model =
      services.files.ReadWholeFile(services.process.ProgramFolder() + contract::kModelFileName);
  if (model) {
    staged.model = staged.folder->WriteFile(contract::kStagedModelName, std::vector<std::uint8_t>(model->begin(), model->end()));
  }
  staged.texture = staged.folder->WriteFile(contract::kStagedTextureName,
                                            services.process.ResourceData(kGlowTextureResource));
  return staged;
}

void RemoveStagedFiles(StagedFiles& staged) {
  for (auto* file : {&staged.model, &staged.texture}) {
    if (*file) (*file)->Remove();
    file->reset();
  }
  staged.folder.reset();
}

}  // namespace orvane::saver
