#pragma once

#include <filesystem>
#include <optional>

#include "renderer/model/model.h"

namespace orvane::renderer {

// The model in an .x file, or nothing when the file is missing, larger than any model we would
// show, or not a model the reader accepts.
std::optional<Model> LoadModelFile(const std::filesystem::path& path);

}  // namespace orvane::renderer
