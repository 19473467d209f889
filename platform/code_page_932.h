#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane::platform {

// Code page 932 (Shift_JIS as Windows has it): the settings file keeps its texts in it on every
// system, whatever the system's own ANSI code page.
class CodePage932 {
 public:
  virtual ~CodePage932() = default;

  // Nothing when a character of `text` has no form in code page 932.
  virtual std::optional<std::string> Encode(std::wstring_view text) = 0;
  // A byte that stands for no character comes back as the code page's default character.
  virtual std::wstring Decode(std::string_view bytes) = 0;
};

}  // namespace orvane::platform
