#include "dialog/repeat_text.h"

#include "platform/rounding.h"
#include "settings/number_text.h"

namespace orvane::dialog {

std::wstring FormatRepeat(std::int16_t track) { return track == 0 ? L"" : std::to_wstring(track); }

std::int16_t RepeatFromText(const std::wstring& text) {
  const auto value = settings::NumericLiteralValue(text);
  if (!value) return 0;
  return platform::RoundToInteger<std::int16_t>(*value, platform::Rounding::kHalfToEven)
      .value_or(0);
}

}  // namespace orvane::dialog
