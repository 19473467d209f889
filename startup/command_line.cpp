#include "startup/command_line.h"

#include "platform/rounding.h"
#include "settings/number_text.h"

namespace orvane::startup {

wchar_t ModeLetter(const std::wstring& commandLine) {
  if (commandLine.size() < 2) return 0;
  const wchar_t c = commandLine[1];
  return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

platform::WindowHandle PaneHandle(const std::wstring& commandLine) {
  if (commandLine.size() < 4) return 0;
  const auto value = settings::LeadingNumberValue(std::wstring_view(commandLine).substr(3));
  if (!value) return 0;
  const auto handle =
      platform::RoundToInteger<std::int32_t>(*value, platform::Rounding::kHalfToEven);
  return handle ? *handle : 0;
}

}  // namespace orvane::startup
