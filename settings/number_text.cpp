#include "settings/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace orvane::settings {
namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Length of the decimal literal at the start of `text` ([sign] digits [. digits]
// [e [sign] digits]), 0 when it has no digit before the exponent.
std::size_t DecimalLiteralLength(std::wstring_view text) {
  std::size_t i = 0;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) ++i;
  std::size_t mantissaDigits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++mantissaDigits;
  if (i < text.size() && text[i] == L'.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++mantissaDigits;
  }
  if (mantissaDigits == 0) return 0;
  if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == L'+' || text[j] == L'-')) ++j;
    if (j < text.size() && IsDigit(text[j])) {
      while (j < text.size() && IsDigit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

std::optional<double> DecimalValue(std::wstring_view literal) {
  const std::string ascii(literal.begin(), literal.end());  // the literal is plain ASCII
  const double value = std::strtod(ascii.c_str(), nullptr);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

// A "&H" or "&O" number: its digits up to the first that does not belong to the base.
std::optional<double> RadixValue(std::wstring_view digits, int base) {
  std::uint64_t value = 0;
  for (const wchar_t c : digits) {
    int digit = -1;
    if (IsDigit(c)) digit = c - L'0';
    else if (base == 16 && c >= L'a' && c <= L'f') digit = c - L'a' + 10;
    else if (base == 16 && c >= L'A' && c <= L'F') digit = c - L'A' + 10;
    if (digit < 0 || digit >= base) break;
    value = value * base + digit;
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  return static_cast<double>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

}  // namespace

std::optional<double> LeadingNumberValue(std::wstring_view text) {
  std::wstring compact;
  for (const wchar_t c : text) {
    if (c != L' ' && c != L'\t' && c != L'\n') compact += c;
  }
  if (compact.size() >= 2 && compact[0] == L'&') {
    const wchar_t prefix = compact[1];
    if (prefix == L'H' || prefix == L'h') return RadixValue(std::wstring_view(compact).substr(2), 16);
    if (prefix == L'O' || prefix == L'o') return RadixValue(std::wstring_view(compact).substr(2), 8);
  }
  const std::size_t length = DecimalLiteralLength(compact);
  if (length == 0) return 0.0;
  return DecimalValue(std::wstring_view(compact).substr(0, length));
}

std::optional<double> NumericLiteralValue(std::wstring_view text) {
  const auto isBlank = [](wchar_t c) { return c == L' ' || c == L'\t'; };
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  const std::size_t length = DecimalLiteralLength(text);
  if (length == 0 || length != text.size()) return std::nullopt;
  return DecimalValue(text);
}

}  // namespace orvane::settings
