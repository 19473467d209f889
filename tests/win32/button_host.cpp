// A small window with one push button, for the end-to-end tests to drive with the real
// pointer and keyboard:
//   button_host [disabled] [close-on-click]
// Prints "ready LEFT,TOP,RIGHT,BOTTOM" with the button's screen rectangle once it shows, then
// "click" for every Click of the button. A native button beside it has the focus at the
// start, so Tab moves the focus onto the push button and back. The button is made from
// saved properties like the settings dialog's, with its "設定" caption and font.
#include <windows.h>

#include <cwchar>
#include <string>

#include "button/win32/command_window.h"
#include "platform/win32/win32_platform.h"
#include "utf8_output.h"

namespace {

constexpr wchar_t kHostClass[] = L"OrvaneButtonHost";
constexpr COLORREF kDialogColour = RGB(0xEC, 0xE9, 0xD8);
const orvane::platform::TwipsRect kButtonBounds{300, 300, 1755, 420};

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeHostWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = HostProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = CreateSolidBrush(kDialogColour);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kHostClass;
  RegisterClassW(&windowClass);
  return CreateWindowExW(WS_EX_CONTROLPARENT, kHostClass, L"Button Host",
                         WS_POPUP | WS_VISIBLE, 40, 40, 300, 100, nullptr, nullptr,
                         windowClass.hInstance, nullptr);
}

bool HasArgument(int argc, wchar_t** argv, const wchar_t* wanted) {
  for (int i = 1; i < argc; ++i) {
    if (std::wcscmp(argv[i], wanted) == 0) return true;
  }
  return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  using orvane::button::win32::CommandWindow;
  const bool disabled = HasArgument(argc, argv, L"disabled");
  const bool closeOnClick = HasArgument(argc, argv, L"close-on-click");

  orvane::platform::win32::Win32Platform platform;
  const HWND host = MakeHostWindow();
  const HWND other = CreateWindowW(L"BUTTON", L"Other", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                   180, 20, 80, 28, host, nullptr, nullptr, nullptr);
  const orvane::platform::FontDescription dialogFont{L"ＭＳ Ｐゴシック", 9.75, 400, false, false, false,
                                              orvane::platform::kShiftJisCharset};
  CommandWindow* button = CommandWindow::Create(
      platform.services(), host, 1, kButtonBounds,
      orvane::button::SavedCommandProperties(L"設定", dialogFont), [host, closeOnClick] {
        PrintUtf8(L"click\n");
        if (closeOnClick) DestroyWindow(host);
      });
  if (!button) return 1;
  button->command().Initialize();
  if (disabled) button->command().SetEnabled(false);
  SetFocus(other);
  UpdateWindow(host);

  RECT rect{};
  GetWindowRect(button->hwnd(), &rect);
  wchar_t ready[64];
  swprintf(ready, 64, L"ready %ld,%ld,%ld,%ld\n", rect.left, rect.top, rect.right, rect.bottom);
  PrintUtf8(ready);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(host, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
