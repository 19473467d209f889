#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/types.h"

namespace orvane::platform {

// The window manager, cursor and system-parameter services of user32.
class WindowServices {
 public:
  virtual ~WindowServices() = default;

  // FindWindowA with no class: a top-level window whose title is exactly `title`, or 0.
  virtual WindowHandle FindTopLevelWindow(const std::wstring& title) = 0;
  // IsWindow: whether the handle names a window that exists.
  virtual bool IsWindow(WindowHandle window) = 0;
  // GetWindowRect; a zero rectangle when the call fails.
  virtual Rect GetWindowRect(WindowHandle window) = 0;
  // The window's style bits (GetWindowLongA and SetWindowLongA with GWL_STYLE).
  virtual std::int32_t GetWindowStyle(WindowHandle window) = 0;
  virtual void SetWindowStyle(WindowHandle window, std::int32_t style) = 0;
  // Makes `child` a child window of `parent` (SetParent).
  virtual void SetParent(WindowHandle child, WindowHandle parent) = 0;
  // SetWindowTextA: the text by which screen readers and other programs know the window.
  virtual void SetWindowTitle(WindowHandle window, const std::wstring& text) = 0;
  // ShowCursor with `show` as its BOOL argument; returns the new display count.
  virtual std::int32_t ShowCursor(std::int32_t show) = 0;
  virtual std::optional<Point> GetCursorPos() = 0;
  // WindowFromPoint: the visible, enabled window under a screen point, 0 for none.
  virtual WindowHandle WindowFromPoint(const Point& point) = 0;
  virtual void DrawAnimatedRects(WindowHandle window, int animation, const Rect& from,
                                 const Rect& to) = 0;
  // SystemParametersInfoW(action, uiParam, NULL, 0).
  virtual void SetSystemParameter(std::uint32_t action, std::uint32_t uiParam) = 0;
  // A message box with an OK button only and no icon; returns when it is dismissed. With an
  // owner (not 0) the box is modal to that window.
  virtual void ShowOkMessage(const std::wstring& text, const std::wstring& caption,
                             WindowHandle owner) = 0;
};

}  // namespace orvane::platform
