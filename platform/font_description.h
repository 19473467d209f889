#pragma once

#include <cstdint>
#include <string>

namespace orvane::platform {

// Every attribute of a text font, as a control draws its text in it.
struct FontDescription {
  std::wstring name;
  double sizePoints = 0;
  std::int16_t weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikethrough = false;
  std::int16_t charset = 0;

  bool operator==(const FontDescription& other) const {
    return name == other.name && sizePoints == other.sizePoints && weight == other.weight &&
           italic == other.italic && underline == other.underline &&
           strikethrough == other.strikethrough && charset == other.charset;
  }
  bool operator!=(const FontDescription& other) const { return !(*this == other); }
};

inline constexpr std::int16_t kShiftJisCharset = 128;

}  // namespace orvane::platform
