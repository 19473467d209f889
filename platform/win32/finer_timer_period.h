#pragma once

#include <windows.h>
#include <mmsystem.h>

#include "platform/win32/system_function.h"

namespace orvane::platform::win32 {

// The system's timer resolution raised to 1 ms for as long as it lives, so that Sleep and a
// timer that offers no finer resolution of its own keep to the millisecond.
class FinerTimerPeriod {
 public:
  FinerTimerPeriod() {
    if (begin_ && end_) begin_(1);
  }
  FinerTimerPeriod(const FinerTimerPeriod&) = delete;
  FinerTimerPeriod& operator=(const FinerTimerPeriod&) = delete;
  ~FinerTimerPeriod() {
    if (begin_ && end_) end_(1);
  }

 private:
  // Looked up when first needed, like the rest of the multimedia DLL, which is slow to load.
  using Period = decltype(&timeBeginPeriod);
  const Period begin_ = SystemFunction<Period>(L"winmm.dll", "timeBeginPeriod");
  const Period end_ = SystemFunction<Period>(L"winmm.dll", "timeEndPeriod");
};

}  // namespace orvane::platform::win32
