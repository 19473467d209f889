// A DLL that must never be loaded. The end-to-end tests plant it, under the name of each DLL the
// programs import or load, in the folders a planting attack uses: the program's own and the
// working folder. Should it be loaded, it appends the path it was loaded from to
// "planted-loads.txt" beside itself and refuses to load.
#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) return TRUE;
  wchar_t path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameW(instance, path, MAX_PATH);
  std::wstring record(path, length);
  record = record.substr(0, record.find_last_of(L'\\') + 1) + L"planted-loads.txt";
  const HANDLE file = CreateFileW(record.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    char line[MAX_PATH * 3 + 1] = {};
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, path, static_cast<int>(length), line, MAX_PATH * 3, nullptr, nullptr);
    line[bytes] = '\n';
    DWORD written = 0;
    WriteFile(file, line, static_cast<DWORD>(bytes + 1), &written, nullptr);
    CloseHandle(file);
  }
  return FALSE;
}
