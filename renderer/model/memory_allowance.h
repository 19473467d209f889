#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace orvane::renderer {

// Counts what a reader allocates against a fixed allowance and refuses the allocation that
// would exceed it. Nothing is ever given back, so the charges are an upper bound on the
// memory alive at any moment, growth of a vector (old and new storage together) included.
class MemoryAllowance {
 public:
  explicit MemoryAllowance(std::size_t bytes) : left_(bytes) {}

  // False, with nothing charged, when `count` items of `itemSize` bytes are more than is left.
  [[nodiscard]] bool Charge(std::size_t count, std::size_t itemSize) {
    if (itemSize != 0 && count > left_ / itemSize) return false;
    left_ -= count * itemSize;
    return true;
  }

  // Room for `count` more items, charged before the vector allocates it.
  template <typename T>
  [[nodiscard]] bool Reserve(std::vector<T>& items, std::size_t count) {
    const std::size_t wanted = items.size() + count;
    if (wanted <= items.capacity()) return true;
    if (!Charge(wanted, sizeof(T))) return false;
    items.reserve(wanted);
    return true;
  }

  // push_back whose growth is charged: it doubles the capacity by hand, so the charge is exact.
  template <typename T>
  [[nodiscard]] bool Append(std::vector<T>& items, T item) {
    if (items.size() == items.capacity()) {
      const std::size_t grown = items.empty() ? 4 : items.size() * 2;
      if (!Charge(grown, sizeof(T))) return false;
      items.reserve(grown);
    }
    items.push_back(std::move(item));
    return true;
  }

 private:
  std::size_t left_;
};

}  // namespace orvane::renderer
