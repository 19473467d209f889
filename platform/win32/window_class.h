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
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!owner) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  return owner->HandleMessage(window, message, wParam, lParam);
}

// What distinguishes one of the program's window classes. The classes are Unicode ones, so
// their windows' default handling is DefWindowProcW; the arrow is the pointer unless a window
// sets another.
struct WindowClass {
  const wchar_t* name;
  UINT style = 0;
  HBRUSH background = nullptr;
};

// Registers the class once per process, with OwnerWindowProcedure<Owner> as its procedure.
template <typename Owner>
void RegisterWindowClass(const WindowClass& description) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  if (GetClassInfoW(instance, description.name, &windowClass)) return;
  windowClass.style = description.style;
  windowClass.lpfnWndProc = OwnerWindowProcedure<Owner>;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = description.background;
  windowClass.lpszClassName = description.name;
  RegisterClassW(&windowClass);
}

}  // namespace orvane::platform::win32
