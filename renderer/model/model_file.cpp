#include "renderer/model/model_file.h"

#include <fstream>
#include <iterator>
#include <string>

#include "renderer/model/x_reader.h"

namespace orvane::renderer {
namespace {

constexpr std::uintmax_t kLargestModelFile = 16u << 20;

}  // namespace

std::optional<Model> LoadModelFile(const std::filesystem::path& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || size > kLargestModelFile) return std::nullopt;
  std::ifstream file(path, std::ios::binary);
  const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  if (!file && !file.eof()) return std::nullopt;
  XReadResult result = ReadXModel(text);
  if (result.status != XReadStatus::kOk) return std::nullopt;
  return std::move(result.model);
}

}  // namespace orvane::renderer
