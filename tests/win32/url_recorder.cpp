// Stands in for the web browser in the end-to-end tests: writes the arguments it was started
// with, one a line in UTF-8, to "opened.txt" beside itself, and ends.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "utf8_output.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring record(self);
  record.replace(record.find_last_of(L'\\') + 1, std::wstring::npos, L"opened.txt");
  std::string lines;
  for (int i = 1; i < argc; ++i) lines += Utf8(argv[i]) + "\n";
  LocalFree(argv);
  const HANDLE file = CreateFileW(record.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  WriteFile(file, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr);
  CloseHandle(file);
  return 0;
}
