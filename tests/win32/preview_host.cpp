// The preview window inside a host window of this same process, so that its picture can be
// seen under Wine, which does not draw a child window whose parent belongs to another process:
//   preview_host WIDTH HEIGHT
// Prints "ready" once the preview shows, and ends when the host window is closed.
#include <windows.h>

#include <cwchar>

#include "platform/win32/win32_form_services.h"
#include "platform/win32/win32_platform.h"
#include "preview/preview_window.h"
#include "utf8_output.h"

namespace {

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) DestroyWindow(window);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = HostProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"OrvanePreviewHost";
  RegisterClassW(&windowClass);
  const int width = _wtoi(argv[1]), height = _wtoi(argv[2]);
  const HWND host =
      CreateWindowW(L"OrvanePreviewHost", L"Preview Host", WS_POPUP | WS_VISIBLE, 0, 0, width,
                    height, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!host) return 1;

  orvane::platform::win32::Win32Platform platform;
  orvane::platform::Services& services = platform.services();
  orvane::preview::PreviewWindow preview(services);
  preview.ShowInPane(reinterpret_cast<orvane::platform::WindowHandle>(host),
                     static_cast<std::int16_t>(width * services.display.TwipsPerPixelX()),
                     static_cast<std::int16_t>(height * services.display.TwipsPerPixelY()));
  UpdateWindow(host);
  PrintUtf8(L"ready\n");
  orvane::platform::win32::RunMessageLoop();
  return 0;
}
