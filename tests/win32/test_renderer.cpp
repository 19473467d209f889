// Stands in for the renderer in the end-to-end tests of the saver run. Placed in the program
// folder as 3dOrvane.dll, it reads what to do from "renderer-script.txt" beside it:
//   delay MS      wait this long before showing the window (default 0)
//   keep MS       keep the window, or without one live, this long (default 3000)
//   window no     never show a window
// and records its command line in "renderer-record.txt" beside it (UTF-8). Its window is
// titled "3dOrvane_VC" and covers the screen in one colour.
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "utf8_output.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  DWORD delayMs = 0, keepMs = 3000;
  bool showWindow = true;
  std::ifstream script(folder / "renderer-script.txt");
  for (std::string word; script >> word;) {
    if (word == "delay") script >> delayMs;
    if (word == "keep") script >> keepMs;
    if (word == "window") showWindow = !(script >> word) || word != "no";
  }
  std::ofstream(folder / "renderer-record.txt", std::ios::binary)
      << "command line\t" << Utf8(GetCommandLineW()) << "\n";

  Sleep(delayMs);
  if (!showWindow) {
    Sleep(keepMs);
    return 0;
  }
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = CreateSolidBrush(RGB(0, 160, 80));
  windowClass.lpszClassName = L"OrvaneTestRenderer";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(WS_EX_TOPMOST, L"OrvaneTestRenderer", L"3dOrvane_VC", WS_POPUP, 0,
                                0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  SetTimer(window, 1, keepMs, nullptr);
  MSG message;
  while (IsWindow(window) && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == window) DestroyWindow(window);
    DispatchMessageW(&message);
  }
  return 0;
}
