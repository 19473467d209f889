#include "platform/win32/screen_pointer.h"

#include <windows.h>

namespace orvane::platform::win32 {
namespace {

ScreenPointer current = ScreenPointer::kDefault;

}  // namespace

void ChangeScreenPointer(ScreenPointer pointer) {
  current = pointer;
  // The pointer changes now, not only when the mouse next moves.
  SetCursor(LoadCursor(nullptr, pointer == ScreenPointer::kHourglass ? IDC_WAIT : IDC_ARROW));
}

bool ShowScreenPointer() {
  if (current != ScreenPointer::kHourglass) return false;
  SetCursor(LoadCursor(nullptr, IDC_WAIT));
  return true;
}

}  // namespace orvane::platform::win32
