#pragma once

#include <cstdint>

namespace orvane::platform {

// A window's timer: it ticks through the window's messages, so never inside a running handler.
class WindowTimer {
 public:
  virtual ~WindowTimer() = default;

  // Enables the timer with a tick every `intervalMs` milliseconds.
  virtual void Start(std::uint32_t intervalMs) = 0;
};

}  // namespace orvane::platform
