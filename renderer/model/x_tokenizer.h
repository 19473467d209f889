#pragma once

#include <string_view>

namespace orvane::renderer {

enum class XTokenKind {
  kName,        // identifier: a template or data object type, or an object's name
  kNumber,      // integer or floating-point literal
  kString,      // "quoted text"
  kGuid,        // <...>
  kOpenBrace,
  kCloseBrace,
  kSeparator,   // ',' or ';', which the text format uses loosely between list items
  kEnd,
  kInvalid,     // a character or literal the format does not allow
};

struct XToken {
  XTokenKind kind = XTokenKind::kEnd;
  std::string_view text;
  double number = 0;
  bool integral = false;
  int line = 1;
};

// Splits the body of a text-format .x file (after its 16-byte header) into tokens, skipping
// blanks and "//" or "#" comments.
class XTokenizer {
 public:
  explicit XTokenizer(std::string_view text);

  const XToken& Peek() const { return current_; }
  XToken Next();
  // Bytes of text after `token`, one this tokenizer returned: room for what may still follow.
  std::size_t BytesAfter(const XToken& token) const {
    return static_cast<std::size_t>(text_.data() + text_.size() - (token.text.data() + token.text.size()));
  }

 private:
  XToken Scan();
  void SkipBlanksAndComments();
  XToken ScanNumber(std::size_t start);
  XToken Make(XTokenKind kind, std::size_t start);

  std::string_view text_;
  std::size_t position_ = 0;
  int line_ = 1;
  XToken current_;
};

}  // namespace orvane::renderer
