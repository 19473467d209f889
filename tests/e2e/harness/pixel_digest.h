#pragma once

#include <cstdint>

namespace orvane::e2e {

// A digest (FNV-1a) of a picture's pixels, added row by row from the top, each pixel as its red,
// green and blue bytes: the scene tool tells by it what it drew, and a test waits for a screen
// of the same digest.
struct PixelDigest {
  std::uint64_t value = 14695981039346656037ull;
  void Add(std::uint8_t byte) { value = (value ^ byte) * 1099511628211ull; }
};

}  // namespace orvane::e2e
