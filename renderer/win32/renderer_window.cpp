#include "renderer/win32/renderer_window.h"

#include "contract/program_contract.h"
#include "platform/monitor_layout.h"
#include "platform/win32/monitors.h"
#include "platform/win32/window_class.h"

namespace orvane::renderer::win32 {
namespace {

constexpr wchar_t kClassName[] = L"3dOrvaneRenderer";

ScreenPoint CursorPosition() {
  POINT point{};
  GetCursorPos(&point);
  return {point.x, point.y};
}

}  // namespace

RendererWindow::RendererWindow(HINSTANCE instance, const Clock& clock)
    : clock_(clock),
      desk_(platform::win32::VirtualScreenRect()),
      width_(desk_.right - desk_.left),
      height_(desk_.bottom - desk_.top),
      monitors_(platform::MonitorsOnWindow(platform::win32::DesktopMonitors(), desk_, width_, height_)) {
  // OpenGL wants a drawing context of the window's own.
  if (!platform::win32::RegisterWindowClass<RendererWindow>(
          {kClassName, CS_OWNDC, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))})) {
    return;
  }
  window_.reset(CreateWindowExW(WS_EX_TOPMOST, kClassName, contract::kRendererWindowTitle,
                                WS_POPUP, desk_.left, desk_.top, width_, height_, nullptr, nullptr,
                                instance, this));
  if (!window_) return;
  ShowWindow(window_.get(), SW_SHOWNORMAL);
  SetForegroundWindow(window_.get());
  ShowCursor(FALSE);
  inputWatch_.emplace(CursorPosition(), clock_.Seconds());
  notifications_.emplace(window_.get());
}

bool RendererWindow::SceneSeen() {
  if (!window_) return false;
  // Fully covered, the window's drawing context clips everything away (where a compositor
  // draws the desktop, it never does, and the scene goes on).
  RECT clip{};
  const platform::win32::WindowDC dc(window_.get());
  visibility_.OnWindowState(IsIconic(window_.get()) != 0, GetClipBox(dc.get(), &clip) == NULLREGION);
  return visibility_.AnybodyCanSee();
}

LRESULT RendererWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (TakeVisibilityMessage(message, wParam, lParam, visibility_)) return message == WM_POWERBROADCAST ? TRUE : 0;
  switch (message) {
    case WM_MOUSEMOVE:
      OnMouseMove(lParam);
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
      Close();
      return 0;
    case WM_SETCURSOR:
      SetCursor(nullptr);
      return TRUE;
    case WM_ENDSESSION:
      OnEndSession(wParam);
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void RendererWindow::OnMouseMove(LPARAM lParam) {
  if (!inputWatch_) return;
  POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ClientToScreen(window_.get(), &point);
  if (inputWatch_->MoveEndsRun({point.x, point.y}, clock_.Seconds())) Close();
}

void RendererWindow::OnEndSession(WPARAM ending) {
  if (ending) Close();
}

void RendererWindow::Close() {
  if (window_) DestroyWindow(window_.release());
}

void RendererWindow::OnDestroy() {
  notifications_.reset();
  window_.release();
  PostQuitMessage(0);
}

bool PumpMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) return false;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return true;
}

bool WaitForMessage() {
  WaitMessage();
  return PumpMessages();
}

}  // namespace orvane::renderer::win32
