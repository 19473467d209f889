#pragma once

#include <windows.h>

namespace orvane::platform::win32 {

// The system's timer resolution raised to 1 ms for as long as it lives, so that Sleep and a
// timer that offers no finer resolution of its own keep to the millisecond.
class FinerTimerPeriod {
 public:
  FinerTimerPeriod() { timeBeginPeriod(1); }
  FinerTimerPeriod(const FinerTimerPeriod&) = delete;
  FinerTimerPeriod& operator=(const FinerTimerPeriod&) = delete;
  ~FinerTimerPeriod() { timeEndPeriod(1); }
};

}  // namespace orvane::platform::win32
