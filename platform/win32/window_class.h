#pragma once

#include <windows.h>

#include <system_error>

namespace orvane::platform::win32 {

// For a window class, a window or a timer that the system refuses: without it the program
// cannot go on, so it ends the way an exception ends it (see below and the entry points).
[[noreturn]] inline void ThrowLastError(const char* call) {
  throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), call);
}

// After an exception in a window's handling, which must not cross the system's frames: the
// outermost window of this thread that holds it is destroyed, so it ends as if its user had
// closed it (a form runs its unload handler; the renderer's window ends the renderer). Should
// closing fail the same way, the thread's message loop ends instead.
inline void CloseAfterException(HWND window) {
  static bool closing = false;
  if (closing) {
    PostQuitMessage(1);
    return;
  }
  closing = true;
  HWND outermost = window;
  for (HWND parent = GetAncestor(outermost, GA_PARENT);
       parent && GetWindowThreadProcessId(parent, nullptr) == GetCurrentThreadId();
       parent = GetAncestor(outermost, GA_PARENT)) {
    outermost = parent;
  }
  DestroyWindow(outermost);
  closing = false;
}

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
  try {
    return owner->HandleMessage(window, message, wParam, lParam);
  } catch (...) {
    CloseAfterException(window);
    return 0;
  }
}

// What distinguishes one of the program's window classes. The classes are Unicode ones, so
// their windows' default handling is DefWindowProcW; the arrow is the pointer unless a window
// sets another.
struct WindowClass {
  const wchar_t* name;
  UINT style = 0;
  HBRUSH background = nullptr;
};

// Registers the class once per process, with OwnerWindowProcedure<Owner> as its procedure;
// false when the system refuses it, and no window of the class can be made.
template <typename Owner>
[[nodiscard]] bool RegisterWindowClass(const WindowClass& description) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  if (GetClassInfoW(instance, description.name, &windowClass)) return true;
  windowClass.style = description.style;
  windowClass.lpfnWndProc = OwnerWindowProcedure<Owner>;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = description.background;
  windowClass.lpszClassName = description.name;
  return RegisterClassW(&windowClass) != 0;
}

}  // namespace orvane::platform::win32
