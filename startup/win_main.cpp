#include <windows.h>

#include "platform/win32/win32_platform.h"
#include "startup/start_program.h"

namespace {

// The windows of the three modes come later: until then each mode ends after its preparations.
class PreparationsOnly final : public orvane::startup::ModeWindows {
 public:
  void ShowPreview(orvane::platform::WindowHandle, std::int16_t, std::int16_t) override {}
  void ShowSettingsDialog() override {}
  void LoadSaverWindow() override {}
};

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  orvane::platform::win32::Win32Platform platform;
  PreparationsOnly windows;
  orvane::startup::ProgramState state;
  orvane::startup::StartProgram(platform.services(), windows, state);
  return 0;
}
