#include "renderer/model/x_tokenizer.h"

#include <charconv>
#include <cmath>

namespace orvane::renderer {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
// Exporters put '-' and '.' into object names, so both are allowed after the first character.
bool IsNamePart(char c) { return IsNameStart(c) || IsDigit(c) || c == '-' || c == '.'; }

}  // namespace

XTokenizer::XTokenizer(std::string_view text) : text_(text) { current_ = Scan(); }

XToken XTokenizer::Next() {
  XToken token = current_;
  if (token.kind != XTokenKind::kEnd && token.kind != XTokenKind::kInvalid) current_ = Scan();
  return token;
}

void XTokenizer::SkipBlanksAndComments() {
  while (position_ < text_.size()) {
    const char c = text_[position_];
    if (c == '\n') {
      ++line_;
      ++position_;
    } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v') {
      ++position_;
    } else if (c == '#' || text_.substr(position_, 2) == "//") {
      while (position_ < text_.size() && text_[position_] != '\n') ++position_;
    } else {
      return;
    }
  }
}

XToken XTokenizer::Make(XTokenKind kind, std::size_t start) {
  XToken token;
  token.kind = kind;
  token.text = text_.substr(start, position_ - start);
  token.line = line_;
  return token;
}

XToken XTokenizer::Scan() {
  SkipBlanksAndComments();
  const std::size_t start = position_;
  if (position_ >= text_.size()) return Make(XTokenKind::kEnd, start);
  const char c = text_[position_];
  if (c == '{' || c == '}' || c == ',' || c == ';') {
    ++position_;
    if (c == '{') return Make(XTokenKind::kOpenBrace, start);
    if (c == '}') return Make(XTokenKind::kCloseBrace, start);
    return Make(XTokenKind::kSeparator, start);
  }
  if (IsNameStart(c)) {
    while (position_ < text_.size() && IsNamePart(text_[position_])) ++position_;
    return Make(XTokenKind::kName, start);
  }
  if (IsDigit(c) || c == '-' || c == '+' || c == '.') return ScanNumber(start);
  if (c == '"' || c == '<') {
    const char closing = c == '"' ? '"' : '>';
    const std::size_t end = text_.find(closing, position_ + 1);
    // An unclosed quote or GUID, or one that runs over a line end, is not valid text.
    if (end == std::string_view::npos || text_.substr(start, end - start).find('\n') != std::string_view::npos) {
      return Make(XTokenKind::kInvalid, start);
    }
    position_ = end + 1;
    XToken token = Make(c == '"' ? XTokenKind::kString : XTokenKind::kGuid, start);
    token.text = token.text.substr(1, token.text.size() - 2);
    return token;
  }
  ++position_;
  return Make(XTokenKind::kInvalid, start);
}

XToken XTokenizer::ScanNumber(std::size_t start) {
  std::size_t end = start;
  if (text_[end] == '-' || text_[end] == '+') ++end;
  const std::size_t digitsStart = end;
  bool integral = true;
  while (end < text_.size() && IsDigit(text_[end])) ++end;
  if (end < text_.size() && text_[end] == '.') {
    integral = false;
    ++end;
    while (end < text_.size() && IsDigit(text_[end])) ++end;
  }
  const bool hasDigits = end > digitsStart && !(end == digitsStart + 1 && text_[digitsStart] == '.');
  if (hasDigits && end < text_.size() && (text_[end] == 'e' || text_[end] == 'E')) {
    std::size_t exponent = end + 1;
    if (exponent < text_.size() && (text_[exponent] == '-' || text_[exponent] == '+')) ++exponent;
    if (exponent < text_.size() && IsDigit(text_[exponent])) {
      integral = false;
      end = exponent;
      while (end < text_.size() && IsDigit(text_[end])) ++end;
    }
  }
  position_ = end == start ? start + 1 : end;
  if (!hasDigits) return Make(XTokenKind::kInvalid, start);

  // from_chars takes no leading '+' and reads the same in every locale.
  const std::size_t parseStart = text_[start] == '+' ? start + 1 : start;
  double value = 0;
  const auto parsed = std::from_chars(text_.data() + parseStart, text_.data() + end, value);
  if (parsed.ec != std::errc() || parsed.ptr != text_.data() + end || !std::isfinite(value)) {
    return Make(XTokenKind::kInvalid, start);
  }
  XToken token = Make(XTokenKind::kNumber, start);
  token.number = value;
  token.integral = integral;
  return token;
}

}  // namespace orvane::renderer
