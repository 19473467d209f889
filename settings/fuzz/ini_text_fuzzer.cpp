// Any file must read and take a new value without a crash, a hang or undefined behaviour. The
// input is a file, then a section, a key, a value and a second key, each after a NUL. Where
// section and keys can stand in a file (no line end, "=", "[" or "]", no blank around them, no
// half character) and the value fits a line, the new value must read back as written, and the
// second key's value must stay as it was.
#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "settings/ini_text.h"

namespace {

constexpr std::size_t kAll = 1 << 20;

bool IsLeadByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

bool HasLineEnd(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool CanBeAName(std::string_view name) {
  if (name.empty() || HasLineEnd(name) || name.find_first_of("=[]; \t\"'") != std::string_view::npos) {
    return false;
  }
  for (std::size_t i = 0; i < name.size(); ++i) {
    if (IsLeadByte(name[i]) && ++i == name.size()) return false;
  }
  return true;
}

// What the writer keeps of a value: no blanks at its ends, no enclosing quotes.
bool ReadsBackAsWritten(std::string_view value) {
  return !HasLineEnd(value) && (value.empty() || (value.front() != ' ' && value.front() != '\t' &&
                                                  value.back() != ' ' && value.back() != '\t' &&
                                                  value.front() != '"' && value.front() != '\''));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace orvane::settings;
  std::vector<std::string_view> parts;
  std::string_view input(reinterpret_cast<const char*>(data), size);
  for (std::size_t nul; parts.size() < 4 && (nul = input.find('\0')) != std::string_view::npos;) {
    parts.push_back(input.substr(0, nul));
    input.remove_prefix(nul + 1);
  }
  parts.push_back(input);
  parts.resize(5);
  const std::string_view file = parts[0], section = parts[1], key = parts[2], value = parts[3],
                         otherKey = parts[4];

  if (IniValue(file, section, key, 255).size() > 255) __builtin_trap();
  const std::string written = WithIniValue(file, section, key, value);
  if (!CanBeAName(section) || !CanBeAName(key) || !ReadsBackAsWritten(value)) return 0;
  if (IniValue(written, section, key, kAll) != value) __builtin_trap();
  if (CanBeAName(otherKey) && !SameName(otherKey, key) &&
      IniValue(written, section, otherKey, kAll) != IniValue(file, section, otherKey, kAll)) {
    __builtin_trap();
  }
  return 0;
}
