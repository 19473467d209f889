#include "platform/win32/screen_pointer.h"

#include <windows.h>

namespace orvane::platform::win32 {

void ScreenPointerSetting::Change(ScreenPointer pointer) {
  current_ = pointer;
  // The pointer changes now, not only when the mouse next moves.
  SetCursor(LoadCursor(nullptr, pointer == ScreenPointer::kHourglass ? IDC_WAIT : IDC_ARROW));
}

bool ScreenPointerSetting::Show() const {
  if (current_ != ScreenPointer::kHourglass) return false;
  SetCursor(LoadCursor(nullptr, IDC_WAIT));
  return true;
}

}  // namespace orvane::platform::win32
