#include <windows.h>

#include "platform/win32/win32_platform.h"

namespace orvane::platform::win32 {
namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

RECT ToRECT(const Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

WindowHandle Win32WindowServices::FindTopLevelWindow(const std::wstring& title) {
  return reinterpret_cast<WindowHandle>(FindWindowW(nullptr, title.c_str()));
}

bool Win32WindowServices::IsWindow(WindowHandle window) { return ::IsWindow(ToHwnd(window)) != 0; }

Rect Win32WindowServices::GetWindowRect(WindowHandle window) {
  RECT rect{};
  if (!::GetWindowRect(ToHwnd(window), &rect)) return {};
  return {rect.left, rect.top, rect.right, rect.bottom};
}

std::int32_t Win32WindowServices::GetWindowStyle(WindowHandle window) {
  return GetWindowLongW(ToHwnd(window), GWL_STYLE);
}

void Win32WindowServices::SetWindowStyle(WindowHandle window, std::int32_t style) {
  SetWindowLongW(ToHwnd(window), GWL_STYLE, style);
}

void Win32WindowServices::SetParent(WindowHandle child, WindowHandle parent) {
  ::SetParent(ToHwnd(child), ToHwnd(parent));
}

void Win32WindowServices::SetWindowTitle(WindowHandle window, const std::wstring& text) {
  ::SetWindowTextW(ToHwnd(window), text.c_str());
}

std::int32_t Win32WindowServices::ShowCursor(std::int32_t show) { return ::ShowCursor(show); }

std::optional<Point> Win32WindowServices::GetCursorPos() {
  POINT point{};
  if (!::GetCursorPos(&point)) return std::nullopt;
  return Point{point.x, point.y};
}

WindowHandle Win32WindowServices::WindowFromPoint(const Point& point) {
  return reinterpret_cast<WindowHandle>(::WindowFromPoint(POINT{point.x, point.y}));
}

void Win32WindowServices::DrawAnimatedRects(WindowHandle window, int animation, const Rect& from,
                                            const Rect& to) {
  const RECT fromRect = ToRECT(from);
  const RECT toRect = ToRECT(to);
  ::DrawAnimatedRects(ToHwnd(window), animation, &fromRect, &toRect);
}

void Win32WindowServices::SetSystemParameter(std::uint32_t action, std::uint32_t uiParam) {
  SystemParametersInfoW(action, uiParam, nullptr, 0);
}

void Win32WindowServices::ShowOkMessage(const std::wstring& text, const std::wstring& caption,
                                        WindowHandle owner) {
  MessageBoxW(ToHwnd(owner), text.c_str(), caption.c_str(), MB_OK);
}

}  // namespace orvane::platform::win32
