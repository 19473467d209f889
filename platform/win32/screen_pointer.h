#pragma once

#include "platform/form_services.h"

namespace orvane::platform::win32 {

// The pointer over every window of the program: the hourglass while it is set, otherwise
// whatever each window shows.
class ScreenPointerSetting {
 public:
  void Change(ScreenPointer pointer);
  // For a window's WM_SETCURSOR: shows the screen pointer and returns true while one is set.
  bool Show() const;

 private:
  ScreenPointer current_ = ScreenPointer::kDefault;
};

}  // namespace orvane::platform::win32
