// Any file must read and take a new value without a crash, a hang or undefined behaviour. The
// input is a file, then a section, a key and a value, each after a NUL. Where section and key
// can stand in a file (no line end, "=", "[", "]", quote or blank, no half character) and the
// value reads back as written (no line end, no blank at its ends, no leading quote), it must.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "settings/ini_text.h"

namespace {

bool CanBeAName(std::string_view name) {
  if (name.empty() || name.find_first_of("\r\n=[]; \t\"'") != std::string_view::npos) return false;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const auto byte = static_cast<unsigned char>(name[i]);
    if (((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC)) && ++i == name.size()) return false;
  }
  return true;
}

bool ReadsBackAsWritten(std::string_view value) {
  return value.find_first_of("\r\n") == std::string_view::npos &&
         (value.empty() || value.find_first_of(" \t\"'") != 0) &&
         (value.empty() || value.find_last_of(" \t") != value.size() - 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvane::settings;
  std::vector<std::string_view> parts;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  for (std::size_t nul; parts.size() < 3 && (nul = input.find('\0')) != std::string_view::npos;) {
    parts.push_back(input.substr(0, nul));
    input.remove_prefix(nul + 1);
  }
  parts.push_back(input);
  parts.resize(4);
  const std::string_view file = parts[0], section = parts[1], key = parts[2], value = parts[3];

  if (IniValue(file, section, key, 255).size() > 255) __builtin_trap();
  const std::string written = WithIniValue(file, section, key, value);
  if (CanBeAName(section) && CanBeAName(key) && ReadsBackAsWritten(value) &&
      IniValue(written, section, key, written.size()) != value) {
    __builtin_trap();
  }
  return 0;
}
