#pragma once

#include <cstdint>
#include <string>

namespace orvane::dialog {

// A track number as the dialog shows it, with the pattern "##": no digit at all for 0.
std::wstring FormatRepeat(std::int16_t track);

// The track typed or chosen in the track box: a numeric text rounded to the nearest whole
// number (halves to the even neighbour); 0 for anything else, the empty text included, and
// for a number that does not fit 16 bits.
std::int16_t RepeatFromText(const std::wstring& text);

}  // namespace orvane::dialog
