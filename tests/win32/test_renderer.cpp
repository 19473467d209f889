// Stands in for the renderer in the end-to-end test of the saver run. Placed in the program
// folder as 3dOrvane.dll, it records its command line in "renderer-record.txt" beside it (UTF-8)
// and shows a window titled "3dOrvane_VC" over the whole screen in one colour for five seconds,
// or for the milliseconds that "renderer-keep.txt" beside it holds.
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "utf8_output.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  DWORD keepMs = 0;
  if (!(std::ifstream(folder / "renderer-keep.txt") >> keepMs)) keepMs = 5000;
  std::ofstream(folder / "renderer-record.txt", std::ios::binary)
      << "command line\t" << Utf8(GetCommandLineW()) << "\n";

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
