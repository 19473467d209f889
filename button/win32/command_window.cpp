#include "button/win32/command_window.h"

#include <windowsx.h>

#include <cstdlib>

#include "platform/win32/ansi_text.h"

namespace orvane::button::win32 {
namespace {

constexpr UINT_PTR kMouseTimerId = 1;
constexpr int kPointsPerInch = 72;
constexpr int kTwipsPerInch = 1440;

struct CreationArguments {
  platform::Services& services;
  CommandWindow::ClickHandler onClick;
};

platform::FontDescription ToFontDescription(const LOGFONTA& font, int dotsPerInch) {
  return {platform::win32::FromAnsiBuffer(font.lfFaceName, sizeof font.lfFaceName),
          static_cast<double>(std::abs(font.lfHeight)) * kPointsPerInch / dotsPerInch,
          static_cast<std::int16_t>(font.lfWeight),
          font.lfItalic != 0,
          font.lfUnderline != 0,
          font.lfStrikeOut != 0,
          font.lfCharSet};
}

}  // namespace

CommandWindow* CommandWindow::Create(platform::Services& services, HWND parent, int controlId,
                                     const platform::TwipsRect& bounds,
                                     const platform::PropertyBag& savedProperties,
                                     ClickHandler onClick) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  if (!GetClassInfoExA(instance, kCommandClassName, &windowClass)) {
    // No double-click style: a quick second press is a press like any other.
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kCommandClassName;
    RegisterClassExA(&windowClass);
  }
  const platform::Rect pixels = platform::TwipsRectToPixels(
      bounds, services.display.TwipsPerPixelX(), services.display.TwipsPerPixelY());
  CreationArguments arguments{services, std::move(onClick)};
  const HWND window = CreateWindowExA(
      0, kCommandClassName, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS,
      pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, &arguments);
  if (!window) return nullptr;
  auto* self = reinterpret_cast<CommandWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  self->command_.ReadProperties(savedProperties);
  return self;
}

CommandWindow::CommandWindow(platform::Services& services, HWND window, ClickHandler onClick)
    : window_(window),
      display_(services.display),
      surface_(window, services.display),
      caption_(window, services.display),
      mouseTimer_(window, kMouseTimerId),
      onClick_(std::move(onClick)),
      command_({surface_, caption_, mouseTimer_, services.windows,
                reinterpret_cast<platform::WindowHandle>(window), *this}) {}

LRESULT CALLBACK CommandWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    const auto* arguments = static_cast<const CreationArguments*>(creation->lpCreateParams);
    auto* self = new CommandWindow(arguments->services, window, arguments->onClick);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<CommandWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    delete self;
    return DefWindowProcA(window, message, wParam, lParam);
  }
  // The object may be gone when this returns: a Click handler may close the whole form.
  return self->HandleMessage(message, wParam, lParam);
}

LRESULT CommandWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;  // the paint handler covers every pixel
    case WM_SIZE: command_.OnResize(); return 0;
    case WM_MOUSEMOVE: OnMouseMove(lParam); return 0;
    case WM_LBUTTONDOWN: OnButtonDown(MouseButton::kLeft); return 0;
    case WM_LBUTTONUP: OnButtonUp(MouseButton::kLeft, wParam); return 0;
    case WM_RBUTTONDOWN: OnButtonDown(MouseButton::kRight); return 0;
    case WM_RBUTTONUP: OnButtonUp(MouseButton::kRight, wParam); return 0;
    case WM_MBUTTONDOWN: OnButtonDown(MouseButton::kMiddle); return 0;
    case WM_MBUTTONUP: OnButtonUp(MouseButton::kMiddle, wParam); return 0;
    case WM_SETFOCUS: command_.OnGotFocus(); return 0;
    case WM_KILLFOCUS: command_.OnLostFocus(); return 0;
    case WM_TIMER:
      if (wParam == mouseTimer_.id()) command_.OnMouseTimer();
      return 0;
    default: return DefWindowProcA(window_, message, wParam, lParam);
  }
}

void CommandWindow::OnPaint() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window_, &paint);
  surface_.PaintTo(dc);
  caption_.DrawOn(dc);
  EndPaint(window_, &paint);
}

void CommandWindow::OnMouseMove(LPARAM position) {
  // While a press is held the moves off the button come here too; they are not over it.
  RECT client{};
  GetClientRect(window_, &client);
  if (PtInRect(&client, POINT{GET_X_LPARAM(position), GET_Y_LPARAM(position)})) {
    command_.OnMouseMove();
  }
}

void CommandWindow::OnButtonDown(MouseButton button) {
  // A left click takes the focus first, as a press on a native button does.
  if (button == MouseButton::kLeft && GetFocus() != window_) SetFocus(window_);
  // Every release of a press begun here comes back here, even off the button.
  SetCapture(window_);
  command_.OnMouseDown(button);
}

void CommandWindow::OnButtonUp(MouseButton button, WPARAM buttonsStillDown) {
  if (GetCapture() != window_) {
    // Either this release's press went down elsewhere, or something took the capture and
    // the presses seen here ended out of sight.
    command_.ForgetPresses();
  } else if ((buttonsStillDown & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
    // Before the Click: its handler may open a window that needs the mouse.
    ReleaseCapture();
  }
  command_.OnMouseUp(button);
}

void CommandWindow::OnClick() {
  // A copy: the handler may destroy this window, and this object with it.
  const ClickHandler handler = onClick_;
  if (handler) handler();
}

platform::FontDescription CommandWindow::AmbientFont() {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(GetParent(window_), WM_GETFONT, 0, 0));
  if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  LOGFONTA description{};
  GetObjectA(font, sizeof description, &description);
  return ToFontDescription(description, kTwipsPerInch / display_.TwipsPerPixelY());
}

}  // namespace orvane::button::win32
