// Looks at and acts on the windows of a Wine session for the end-to-end tests; a title names a
// top-level window, and each command prints tab-separated lines:
//   probe windows                   each top-level window: visible, left,top,right,bottom, title
//   probe message CAPTION [BUTTON]  a shown message box's text and buttons; presses BUTTON when given
//   probe hold TITLE MS [WxH]       keeps a window (64 x 64 unless sized) at (0, 0) for MS ms; "ready"
//                                   and its handle in decimal
//   probe children TITLE            once the window's thread takes messages: its client area on the
//                                   screen ("client", left,top,width,height), its thread's focus
//                                   ("focus", control id), then each window inside it: enabled,
//                                   control id, left,top,right,bottom in the client area, text
//   probe settext TITLE ID TEXT     sets the text of the window's control ID
//   probe post TITLE MESSAGE WPARAM posts the message (a number) to the window, lParam 0
//   probe send TITLE MESSAGE WPARAM sends it, and returns once the window has handled it
//   probe priority PROGRAM          the priority class of each process of that file name, in hex
//   probe tamper FILE               what another program may do to FILE: for "read", "read sharing
//                                   writes", "write" and "delete", "yes" or "no" on a line each
//   probe refresh                   waits once for a display refresh due in 100 ms, as the split
//                                   effect holds each frame: the milliseconds the wait took
//   probe throw                     a window whose timer handler throws, as a failed allocation
//                                   would: "unloaded" when it closes, then "ended" once its message
//                                   loop is over, or "still open"
//   probe [anything else]           stands in for the renderer, copied into a program folder as
//                                   3dOrvane.dll: records its command line in "renderer-record.txt"
//                                   beside it and shows "3dOrvane_VC" over the whole screen for 5 s,
//                                   or for the milliseconds that "renderer-keep.txt" there holds
// A Windows program, so that the saver starting it as its renderer opens no console.
#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <chrono>
#include <cstdarg>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>
#include <vector>

#include "platform/win32/win32_form_services.h"
#include "platform/win32/win32_platform.h"

namespace {

using namespace orvane::platform;

// The tools talk to the Linux side in UTF-8, whatever the ANSI code page is.
std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(std::size_t(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), utf8.data(), size, nullptr, nullptr);
  return utf8;
}

// Written past the C runtime, whose text mode would turn each line end into CR LF.
void PrintUtf8(const std::wstring& text) {
  const std::string utf8 = Utf8(text);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), utf8.data(), DWORD(utf8.size()), &written, nullptr);
}

std::wstring WindowText(HWND window) {
  wchar_t text[1024] = {};
  GetWindowTextW(window, text, 1024);
  return text;
}

// A control's text as the control gives it: GetWindowText does not ask a window of another
// program, and some controls, such as a combo box, keep their text apart.
std::wstring ControlText(HWND control) {
  wchar_t text[1024] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(control, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      2000, &copied);
  return text;
}

bool IsClass(HWND window, const wchar_t* name) {
  wchar_t className[256] = {};
  GetClassNameW(window, className, 256);
  return _wcsicmp(className, name) == 0;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&children));
  return children;
}

void PrintLine(const wchar_t* format, ...) {
  wchar_t line[2048];
  va_list arguments;
  va_start(arguments, format);
  vswprintf(line, 2048, format, arguments);
  va_end(arguments);
  PrintUtf8(line);
}

int ListWindows() {
  std::vector<HWND> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  for (HWND window : windows) {
    RECT r{};
    GetWindowRect(window, &r);
    PrintLine(L"%d\t%ld,%ld,%ld,%ld\t%ls\n", IsWindowVisible(window) ? 1 : 0, r.left, r.top,
              r.right, r.bottom, WindowText(window).c_str());
  }
  return 0;
}

// A shown box's text, once it has one: a box is shown before its text is set, and built with
// every button before it loses the unused ones.
std::wstring MessageText(HWND box) {
  for (HWND child : ChildWindows(box)) {
    if (IsWindowVisible(child) && IsClass(child, L"Static") && !WindowText(child).empty()) {
      return WindowText(child);
    }
  }
  return L"";
}

int AnswerMessageBox(const std::wstring& caption, const wchar_t* press) {
  HWND box = FindWindowW(L"#32770", caption.c_str());
  if (!box || !IsWindowVisible(box) || MessageText(box).empty()) return 1;
  bool pressed = !press;
  PrintUtf8(L"text\t" + MessageText(box) + L"\n");
  for (HWND child : ChildWindows(box)) {
    if (!IsWindowVisible(child) || !IsClass(child, L"Button")) continue;
    PrintUtf8(L"button\t" + WindowText(child) + L"\n");
    if (press && WindowText(child) == press) {
      PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), BN_CLICKED),
                   reinterpret_cast<LPARAM>(child));
      pressed = true;
    }
  }
  return pressed ? 0 : 1;
}

int ListChildren(HWND top) {
  // Waits until the window's thread takes messages again: whatever it was doing has ended, and
  // a window it closed meanwhile is gone.
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutW(top, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 10000, &ignored) || !IsWindow(top)) return 1;
  RECT client{};
  GetClientRect(top, &client);
  POINT origin{0, 0};
  ClientToScreen(top, &origin);
  PrintLine(L"client\t%ld,%ld,%ld,%ld\n", origin.x, origin.y, client.right, client.bottom);
  // The control of the thread that has the keyboard focus; the edit box inside a combo box
  // counts as the combo box.
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &thread) && thread.hwndFocus) {
    HWND focus = thread.hwndFocus;
    if (GetParent(focus) && IsClass(GetParent(focus), L"ComboBox")) focus = GetParent(focus);
    PrintLine(L"focus\t%d\n", GetDlgCtrlID(focus));
  }
  for (HWND child : ChildWindows(top)) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, top, reinterpret_cast<POINT*>(&r), 2);
    PrintLine(L"%d\t%d\t%ld,%ld,%ld,%ld\t%ls\n", IsWindowEnabled(child) ? 1 : 0,
              GetDlgCtrlID(child), r.left, r.top, r.right, r.bottom, ControlText(child).c_str());
  }
  return 0;
}

int HoldWindow(const std::wstring& title, DWORD milliseconds, int width, int height, DWORD extendedStyle = 0) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = CreateSolidBrush(RGB(0, 160, 80));
  windowClass.lpszClassName = L"OrvaneProbeWindow";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(extendedStyle, L"OrvaneProbeWindow", title.c_str(), WS_POPUP | WS_VISIBLE, 0, 0,
                                width, height, nullptr, nullptr, windowClass.hInstance, nullptr);
  if (!window) return 1;
  PrintLine(L"ready\t%llu\n", static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(window)));
  SetTimer(window, 1, milliseconds, nullptr);
  MSG message;
  while (IsWindow(window) && GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER && message.hwnd == window) DestroyWindow(window);
    DispatchMessageW(&message);
  }
  return 0;
}

// Tries each, undoing nothing: a write opens the file without changing its bytes, and a
// delete that succeeds deletes.
int Tamper(const wchar_t* path) {
  const auto opens = [&](DWORD access, DWORD sharing) {
    const HANDLE file = CreateFileW(path, access, sharing, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
  };
  const auto answer = [](bool yes) { return yes ? L"yes" : L"no"; };
  PrintLine(L"read\t%ls\n", answer(opens(GENERIC_READ, FILE_SHARE_READ)));
  PrintLine(L"read sharing writes\t%ls\n", answer(opens(GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE)));
  PrintLine(L"write\t%ls\n", answer(opens(GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE)));
  PrintLine(L"delete\t%ls\n", answer(DeleteFileW(path) != 0));
  return 0;
}

int PrintPriorities(const wchar_t* program) {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return 1;
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
    if (_wcsicmp(entry.szExeFile, program) != 0) continue;
    const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
    if (!process) continue;
    PrintLine(L"%lx\n", GetPriorityClass(process));
    CloseHandle(process);
  }
  CloseHandle(snapshot);
  return 0;
}

int WaitForRefresh() {
  win32::Win32DisplayServices display;
  const auto start = display.Now();
  display.WaitForRefresh(start + std::chrono::milliseconds(100));
  PrintLine(L"%lld\n", static_cast<long long>(
                             std::chrono::duration_cast<std::chrono::milliseconds>(display.Now() - start).count()));
  return 0;
}

class ThrowingHandlers final : public FormHandlers {
 public:
  explicit ThrowingHandlers(FormServices& forms) : forms_(forms) {}
  void OnTimer(int) override { throw std::bad_alloc(); }
  void OnUnload() override {
    PrintUtf8(L"unloaded\n");
    forms_.EndMessageLoop();
  }

 private:
  FormServices& forms_;
};

int ThrowInAHandler() {
  win32::Win32DisplayServices display;
  win32::Win32FormServices forms(display);
  ThrowingHandlers handlers(forms);
  const auto form = forms.CreateForm(L"Failing handler", handlers);
  form->Show();
  form->EnableTimer(1, 10);
  win32::RunMessageLoop();
  PrintUtf8(form->IsLoaded() ? L"still open\n" : L"ended\n");
  return 0;
}

int StandInForTheRenderer() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  DWORD keepMs = 0;
  if (!(std::ifstream(folder / "renderer-keep.txt") >> keepMs)) keepMs = 5000;
  std::ofstream(folder / "renderer-record.txt", std::ios::binary) << "command line\t" << Utf8(GetCommandLineW()) << "\n";
  return HoldWindow(L"3dOrvane_VC", keepMs, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), WS_EX_TOPMOST);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  const wchar_t* const verbs[] = {L"windows", L"refresh", L"throw", L"message", L"hold", L"tamper", L"priority",
                                  L"children", L"post", L"send", L"settext"};
  if (std::find(std::begin(verbs), std::end(verbs), command) == std::end(verbs)) return StandInForTheRenderer();
  if (command == L"windows") return ListWindows();
  if (command == L"refresh") return WaitForRefresh();
  if (command == L"throw") return ThrowInAHandler();
  if (command == L"message" && (argc == 3 || argc == 4)) return AnswerMessageBox(argv[2], argc == 4 ? argv[3] : nullptr);
  if (command == L"hold" && (argc == 4 || argc == 5)) {
    int width = 64, height = 64;
    if (argc == 5) swscanf(argv[4], L"%dx%d", &width, &height);
    return HoldWindow(argv[2], wcstoul(argv[3], nullptr, 10), width, height);
  }
  if (command == L"tamper" && argc == 3) return Tamper(argv[2]);
  if (command == L"priority" && argc == 3) return PrintPriorities(argv[2]);
  HWND window = argc >= 3 ? FindWindowW(nullptr, argv[2]) : nullptr;
  if (command == L"children" && window) return ListChildren(window);
  if (command == L"post" && window && argc == 5) {
    return PostMessageW(window, wcstoul(argv[3], nullptr, 0), wcstoul(argv[4], nullptr, 0), 0) ? 0 : 1;
  }
  if (command == L"send" && window && argc == 5) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, wcstoul(argv[3], nullptr, 0), wcstoul(argv[4], nullptr, 0), 0,
                               SMTO_ABORTIFHUNG, 10000, &ignored) ? 0 : 1;
  }
  if (command == L"settext" && window && argc == 5) return SetDlgItemTextW(window, _wtoi(argv[3]), argv[4]) ? 0 : 1;
  return 1;
}
