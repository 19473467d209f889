#pragma once

#include <optional>
#include <string_view>

namespace orvane::settings {

// Reads the number at the start of `text` the lenient way handles are read from a command
// line: blanks, tabs and line feeds are skipped wherever they stand, then decimal digits
// with an optional sign, decimal point and exponent, or a "&H" (hexadecimal) or "&O"
// (octal) number, are read up to the first character that cannot continue them. A text
// with no leading number reads as 0. Empty only when the number does not fit: an
// infinite decimal, or a hexadecimal or octal number beyond 32 bits (a 32-bit value is
// taken as a signed bit pattern, so "&HFFFFFFFF" is -1).
std::optional<double> LeadingNumberValue(std::wstring_view text);

// The value of a text that is one numeric literal with optional blanks around it (sign,
// decimal point and exponent allowed); empty when the text is not such a literal.
std::optional<double> NumericLiteralValue(std::wstring_view text);

}  // namespace orvane::settings
