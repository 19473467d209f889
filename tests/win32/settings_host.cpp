// Drives the settings file through the real Win32 layer, so the end-to-end tests can check
// the bytes and values the program reads and writes:
//   settings_host load                  prints kind, repeat and file after loading
//   settings_host save KIND REPEAT FILE writes the three keys
#include <windows.h>

#include <string>

#include "platform/win32/win32_platform.h"
#include "settings/settings.h"
#include "utf8_output.h"

int wmain(int argc, wchar_t** argv) {
  orvane::platform::win32::Win32Platform platform;
  auto& services = platform.services();
  const std::wstring command = argc > 1 ? argv[1] : L"";
  orvane::settings::Settings settings;

  if (command == L"load" && argc == 2) {
    orvane::settings::LoadSettings(services, settings);
    PrintUtf8(L"kind=" + std::to_wstring(settings.bgmKind) + L"\nrepeat=" +
              std::to_wstring(settings.bgmRepeat) + L"\nfile=" + settings.bgmFile + L"\n");
    return 0;
  }
  if (command == L"save" && argc == 5) {
    settings.bgmKind = static_cast<std::int16_t>(_wtoi(argv[2]));
    settings.bgmRepeat = static_cast<std::int16_t>(_wtoi(argv[3]));
    settings.bgmFile = argv[4];
    orvane::settings::SaveSettings(services, settings);
    return 0;
  }
  PrintUtf8(L"usage: settings_host load | save KIND REPEAT FILE\n");
  return 2;
}
