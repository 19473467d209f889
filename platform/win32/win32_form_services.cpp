#include "platform/win32/win32_form_services.h"

#include <windows.h>

#include <set>

#include "platform/win32/ansi_text.h"
#include "platform/win32/handles.h"
#include "platform/win32/win32_pixel_image.h"

namespace orvane::platform::win32 {
namespace {

constexpr char kFormClassName[] = "ThreeDOrvane.Form";

class Win32FormWindow final : public FormWindow {
 public:
  Win32FormWindow(const std::wstring& title, FormHandlers& handlers);
  ~Win32FormWindow() override;

  WindowHandle Handle() override { return reinterpret_cast<WindowHandle>(window_); }
  void SetBounds(const Rect& bounds) override;
  std::int32_t ClientWidth() override;
  std::int32_t ClientHeight() override;
  void Show() override { ShowWindow(window_, SW_SHOWNORMAL); }
  void Hide() override { ShowWindow(window_, SW_HIDE); }
  void EnableTimer(int timerId, std::uint32_t intervalMs) override;
  void DisableTimer(int timerId) override;
  bool TimerEnabled(int timerId) override { return enabledTimers_.count(timerId) > 0; }
  PixelImage& Image() override { return image_; }
  void Present() override;
  void Unload() override;
  bool IsLoaded() override { return window_ != nullptr; }

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnPaint();

  FormHandlers& handlers_;
  HWND window_ = nullptr;
  Win32PixelImage image_{0, 0};
  std::set<int> enabledTimers_;
};

void RegisterFormClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kFormClassName;
    return RegisterClassA(&windowClass) != 0;
  }();
  (void)registered;
}

Win32FormWindow::Win32FormWindow(const std::wstring& title, FormHandlers& handlers)
    : handlers_(handlers) {
  RegisterFormClass(&WindowProcedure);
  window_ = CreateWindowExA(0, kFormClassName, ToAnsi(title).c_str(), WS_POPUP, 0, 0, 0, 0,
                            nullptr, nullptr, GetModuleHandleA(nullptr), this);
}

Win32FormWindow::~Win32FormWindow() {
  if (window_) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

LRESULT CALLBACK Win32FormWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    static_cast<Win32FormWindow*>(creation->lpCreateParams)->window_ = window;
  }
  auto* form = reinterpret_cast<Win32FormWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (!form) return DefWindowProcA(window, message, wParam, lParam);
  return form->OnMessage(message, wParam, lParam);
}

LRESULT Win32FormWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (TimerEnabled(static_cast<int>(wParam))) handlers_.OnTimer(static_cast<int>(wParam));
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_CLOSE:
      Unload();
      return 0;
    case WM_ENDSESSION:
      if (wParam) Unload();
      return 0;
    default:
      return DefWindowProcA(window_, message, wParam, lParam);
  }
}

void Win32FormWindow::OnPaint() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window_, &paint);
  BitBlt(dc, 0, 0, image_.Width(), image_.Height(), image_.DeviceContext(), 0, 0, SRCCOPY);
  EndPaint(window_, &paint);
}

void Win32FormWindow::SetBounds(const Rect& bounds) {
  SetWindowPos(window_, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::int32_t Win32FormWindow::ClientWidth() {
  RECT client{};
  GetClientRect(window_, &client);
  return client.right;
}

std::int32_t Win32FormWindow::ClientHeight() {
  RECT client{};
  GetClientRect(window_, &client);
  return client.bottom;
}

void Win32FormWindow::EnableTimer(int timerId, std::uint32_t intervalMs) {
  SetTimer(window_, static_cast<UINT_PTR>(timerId), intervalMs, nullptr);
  enabledTimers_.insert(timerId);
}

void Win32FormWindow::DisableTimer(int timerId) {
  KillTimer(window_, static_cast<UINT_PTR>(timerId));
  enabledTimers_.erase(timerId);
}

void Win32FormWindow::Present() {
  if (!IsWindowVisible(window_)) return;
  const WindowDC screen(window_);
  BitBlt(screen.get(), 0, 0, image_.Width(), image_.Height(), image_.DeviceContext(), 0, 0, SRCCOPY);
}

void Win32FormWindow::Unload() {
  if (!window_) return;
  handlers_.OnQueryUnload();
  handlers_.OnUnload();
  for (const int timerId : enabledTimers_) KillTimer(window_, static_cast<UINT_PTR>(timerId));
  enabledTimers_.clear();
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  DestroyWindow(std::exchange(window_, nullptr));
  // Each mode opens one window, so the program's work is done when it goes.
  PostQuitMessage(0);
}

}  // namespace

std::unique_ptr<FormWindow> Win32FormServices::CreateForm(const std::wstring& title,
                                                          FormHandlers& handlers) {
  return std::make_unique<Win32FormWindow>(title, handlers);
}

std::unique_ptr<PixelImage> Win32FormServices::CreateImage(std::int32_t width, std::int32_t height) {
  return std::make_unique<Win32PixelImage>(width, height);
}

std::int32_t Win32FormServices::PrimaryScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
std::int32_t Win32FormServices::PrimaryScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

void Win32FormServices::ProcessPendingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // The last window has gone; the main loop must still see that.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace orvane::platform::win32
