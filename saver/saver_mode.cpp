#include "saver/saver_mode.h"

namespace orvane::saver {
namespace {

constexpr std::uint32_t kSpiScreenSaverRunning = 97;

// True goes to the system as -1, the program's truth value.
void SetScreenSaverRunningFlag(platform::WindowServices& windows, bool running) {
  windows.SetSystemParameter(kSpiScreenSaverRunning, running ? UINT32_MAX : 0);
}

}  // namespace

SaverModeSystemState::SaverModeSystemState(platform::WindowServices& windows)
    : windows_(windows), savedCursorCount_(windows.ShowCursor(0)) {
  SetScreenSaverRunningFlag(windows_, true);
}

SaverModeSystemState::~SaverModeSystemState() {
  windows_.ShowCursor(savedCursorCount_);
  SetScreenSaverRunningFlag(windows_, false);
}

}  // namespace orvane::saver
