#pragma once

#include <cmath>
#include <limits>
#include <optional>

namespace orvane::platform {

// How a value with a fraction becomes a whole number.
enum class Rounding {
  kHalfToEven,  // the nearest whole number, an exact half going to the even neighbour
  kDown,        // the whole number at or below
};

// `value` rounded as `rounding` says, as an `Integer`; empty when that whole number lies
// outside the range of `Integer`.
template <typename Integer>
std::optional<Integer> RoundToInteger(double value, Rounding rounding) {
  // nearbyint follows the rounding mode, which the program leaves at its default, halves to even.
  const double whole = rounding == Rounding::kDown ? std::floor(value) : std::nearbyint(value);
  const bool inRange = whole >= std::numeric_limits<Integer>::min() &&
                       whole <= std::numeric_limits<Integer>::max();
  if (!inRange) return std::nullopt;
  return static_cast<Integer>(whole);
}

}  // namespace orvane::platform
