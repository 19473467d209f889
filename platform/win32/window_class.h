#pragma once

#include <windows.h>

namespace orvane::platform::win32 {

// The one window procedure of the program's window classes. The object that makes a window
// passes itself as the creation parameter; from WM_NCCREATE on, every message of the window
// goes to its HandleMessage(window, message, wParam, lParam). At WM_NCDESTROY the window lets
// go of the object before handing it the message, so nothing reaches it afterwards.
template <typename Owner>
LRESULT CALLBACK OwnerWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    // lpCreateParams sits at the same place in CREATESTRUCTA and CREATESTRUCTW.
    const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!owner) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  return owner->HandleMessage(window, message, wParam, lParam);
}

// What distinguishes one of the program's window classes. The classes are ANSI ones, so their
// windows' default handling is DefWindowProcA; the arrow is the pointer unless a window sets
// another.
struct WindowClass {
  const char* name;
  UINT style = 0;
  HBRUSH background = nullptr;
};

// Registers the class once per process, with OwnerWindowProcedure<Owner> as its procedure.
template <typename Owner>
void RegisterWindowClass(const WindowClass& description) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA windowClass{};
  if (GetClassInfoA(instance, description.name, &windowClass)) return;
  windowClass.style = description.style;
  windowClass.lpfnWndProc = OwnerWindowProcedure<Owner>;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = description.background;
  windowClass.lpszClassName = description.name;
  RegisterClassA(&windowClass);
}

}  // namespace orvane::platform::win32
