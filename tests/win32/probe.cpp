// Looks at and acts on the windows of a Wine session for the end-to-end tests:
//   probe windows                     one line per top-level window:
//                                     handle, visible, class, left,top,right,bottom, title
//   probe message CAPTION [MS]        waits for a message box; prints its text and buttons
//   probe press CAPTION BUTTON        presses a button of that message box
//   probe hold TITLE MS [WxH] [hand]  keeps a window with that title for MS milliseconds, at
//                                     (0, 0), 64 x 64 or W x H pixels, with the hand pointer
//                                     over it when asked; prints "ready" and its handle
//   probe closes-on-press TITLE LEFT,TOP WxH
//                                     keeps a topmost window with that title there until a
//                                     mouse button goes down on it, and closes it at once, so
//                                     the release lands on whatever lies below; prints "ready"
//   probe children TITLE              the client area of the top-level window with that title
//                                     on the screen ("client", left,top,width,height), then one
//                                     line per window inside it: handle, visible, enabled,
//                                     class, control id, left,top,right,bottom in the client
//                                     area, text; all in the window's own pixels
//   probe extents TITLE FACE POINTS TEXT...
//                                     one line per text: its width and height in a font of that
//                                     face and size (Shift JIS), as the window with that title
//                                     measures it at its dots per inch
//   probe close TITLE                 posts WM_CLOSE to the window with that title
//   probe launch PATH                 starts PATH the way the screen saver starts its renderer
//                                     (the unquoted path alone as its command line, shown
//                                     normally), prints "started", waits for it to end and
//                                     exits with its exit code
#include <windows.h>

#include <cmath>
#include <cwchar>
#include <string>
#include <vector>

#include "utf8_output.h"

namespace {

std::wstring WindowText(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return text;
}

std::wstring ClassName(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&children));
  return children;
}

int ListWindows() {
  for (HWND window : TopLevelWindows()) {
    RECT rect{};
    GetWindowRect(window, &rect);
    wchar_t line[2048];
    swprintf(line, 2048, L"0x%llx\t%d\t%ls\t%ld,%ld,%ld,%ld\t%ls\n",
             static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(window)),
             IsWindowVisible(window) ? 1 : 0, ClassName(window).c_str(), rect.left, rect.top,
             rect.right, rect.bottom, WindowText(window).c_str());
    PrintUtf8(line);
  }
  return 0;
}

HWND WaitForMessageBox(const std::wstring& caption, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    // A box is complete once shown: it is built with every button, then loses the unused ones.
    HWND box = FindWindowW(L"#32770", caption.c_str());
    if (box && IsWindowVisible(box)) return box;
    if (GetTickCount() - start >= timeoutMs) return nullptr;
    Sleep(50);
  }
}

int DescribeMessageBox(const std::wstring& caption, DWORD timeoutMs) {
  HWND box = WaitForMessageBox(caption, timeoutMs);
  if (!box) return 1;
  for (HWND child : ChildWindows(box)) {
    if (!IsWindowVisible(child)) continue;
    const std::wstring kind = ClassName(child);
    if (_wcsicmp(kind.c_str(), L"Static") == 0 && !WindowText(child).empty()) {
      PrintUtf8(L"text\t" + WindowText(child) + L"\n");
    } else if (_wcsicmp(kind.c_str(), L"Button") == 0) {
      PrintUtf8(L"button\t" + WindowText(child) + L"\n");
    }
  }
  return 0;
}

int PressButton(const std::wstring& caption, const std::wstring& buttonText) {
  HWND box = WaitForMessageBox(caption, 5000);
  if (!box) return 1;
  for (HWND child : ChildWindows(box)) {
    if (_wcsicmp(ClassName(child).c_str(), L"Button") == 0 && WindowText(child) == buttonText) {
      PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), BN_CLICKED),
                   reinterpret_cast<LPARAM>(child));
      return 0;
    }
  }
  return 1;
}

// A control's text as the control itself gives it: GetWindowText does not ask a window of
// another program, and some controls, such as a combo box, keep their text apart.
std::wstring ControlText(HWND control) {
  wchar_t text[1024] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      2000, &copied);
  return text;
}

// Makes this thread see the window's geometry in the window's own pixels. Wine does not scale
// a window that is unaware of the display's dots per inch, so those are the screen's pixels.
void UseDpiAwarenessOf(HWND window) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  using GetAwareness = HANDLE(WINAPI*)(HWND);
  using SetAwareness = HANDLE(WINAPI*)(HANDLE);
  const auto get = reinterpret_cast<GetAwareness>(
      reinterpret_cast<void*>(GetProcAddress(user32, "GetWindowDpiAwarenessContext")));
  const auto set = reinterpret_cast<SetAwareness>(
      reinterpret_cast<void*>(GetProcAddress(user32, "SetThreadDpiAwarenessContext")));
  if (get && set) set(get(window));
}

int ListChildren(const std::wstring& title) {
  HWND top = FindWindowW(nullptr, title.c_str());
  if (!top) return 1;
  UseDpiAwarenessOf(top);
  RECT client{};
  GetClientRect(top, &client);
  POINT origin{0, 0};
  ClientToScreen(top, &origin);
  wchar_t line[2048];
  swprintf(line, 2048, L"client\t%ld,%ld,%ld,%ld\n", origin.x, origin.y, client.right, client.bottom);
  PrintUtf8(line);
  for (HWND child : ChildWindows(top)) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&rect), 2);
    swprintf(line, 2048, L"0x%llx\t%d\t%d\t%ls\t%d\t%ld,%ld,%ld,%ld\t%ls\n",
             static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(child)),
             IsWindowVisible(child) ? 1 : 0, IsWindowEnabled(child) ? 1 : 0,
             ClassName(child).c_str(), GetDlgCtrlID(child), rect.left, rect.top, rect.right,
             rect.bottom, ControlText(child).c_str());
    PrintUtf8(line);
  }
  return 0;
}

int MeasureTexts(const std::wstring& title, const std::wstring& face, double points,
                 const std::vector<std::wstring>& texts) {
  HWND top = FindWindowW(nullptr, title.c_str());
  if (!top) return 1;
  UseDpiAwarenessOf(top);
  HDC screen = GetDC(nullptr);
  const int height = -static_cast<int>(std::lround(points * GetDeviceCaps(screen, LOGPIXELSY) / 72));
  HFONT font = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                           DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  HGDIOBJ previous = SelectObject(screen, font);
  for (const std::wstring& text : texts) {
    SIZE size{};
    GetTextExtentPoint32W(screen, text.c_str(), static_cast<int>(text.size()), &size);
    wchar_t line[64];
    swprintf(line, 64, L"%ld\t%ld\n", size.cx, size.cy);
    PrintUtf8(line);
  }
  SelectObject(screen, previous);
  DeleteObject(font);
  ReleaseDC(nullptr, screen);
  return 0;
}

int HoldWindow(const std::wstring& title, DWORD milliseconds, int width, int height, bool hand) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = hand ? LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)) : nullptr;  // IDC_HAND
  windowClass.lpszClassName = L"OrvaneProbeWindow";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowW(L"OrvaneProbeWindow", title.c_str(), WS_POPUP | WS_VISIBLE, 0, 0,
                              width, height, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!window) return 1;
  wchar_t line[64];
  swprintf(line, 64, L"ready\t0x%llx\n",
           static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(window)));
  PrintUtf8(line);
  SetTimer(window, 1, milliseconds, nullptr);
  MSG message;
  while (IsWindow(window) && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == window) DestroyWindow(window);
    DispatchMessageW(&message);
  }
  return 0;
}

LRESULT CALLBACK ClosesOnPressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      // Gone before the press is over, as a file chooser closed by a double click is.
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

int HoldUntilPressed(const std::wstring& title, int left, int top, int width, int height) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = ClosesOnPressProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
  windowClass.lpszClassName = L"OrvaneProbePressWindow";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(WS_EX_TOPMOST, L"OrvaneProbePressWindow", title.c_str(),
                                WS_POPUP | WS_VISIBLE, left, top, width, height, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
  if (!window) return 1;
  UpdateWindow(window);
  PrintUtf8(L"ready\n");
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}

int CloseWindow(const std::wstring& title) {
  HWND window = FindWindowW(nullptr, title.c_str());
  if (!window) return 1;
  PostMessageW(window, WM_CLOSE, 0, 0);
  return 0;
}

int Launch(const std::wstring& path) {
  std::wstring commandLine = path;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process)) {
    return 255;
  }
  PrintUtf8(L"started\n");
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 255;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(exitCode);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"windows") return ListWindows();
  if (command == L"message" && argc >= 3) {
    return DescribeMessageBox(argv[2], argc >= 4 ? wcstoul(argv[3], nullptr, 10) : 0);
  }
  if (command == L"press" && argc == 4) return PressButton(argv[2], argv[3]);
  if (command == L"hold" && argc >= 4) {
    int width = 64, height = 64;
    bool hand = false;
    for (int i = 4; i < argc; ++i) {
      if (std::wstring(argv[i]) == L"hand") hand = true;
      else swscanf(argv[i], L"%dx%d", &width, &height);
    }
    return HoldWindow(argv[2], wcstoul(argv[3], nullptr, 10), width, height, hand);
  }
  if (command == L"closes-on-press" && argc == 5) {
    int left = 0, top = 0, width = 0, height = 0;
    swscanf(argv[3], L"%d,%d", &left, &top);
    swscanf(argv[4], L"%dx%d", &width, &height);
    return HoldUntilPressed(argv[2], left, top, width, height);
  }
  if (command == L"children" && argc == 3) return ListChildren(argv[2]);
  if (command == L"extents" && argc >= 5) {
    return MeasureTexts(argv[2], argv[3], wcstod(argv[4], nullptr),
                        std::vector<std::wstring>(argv + 5, argv + argc));
  }
  if (command == L"close" && argc == 3) return CloseWindow(argv[2]);
  if (command == L"launch" && argc == 3) return Launch(argv[2]);
  PrintUtf8(L"usage: see the top of probe.cpp\n");
  return 2;
}
