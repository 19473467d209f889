#pragma once

#include "platform/services.h"
#include "startup/mode_windows.h"
#include "startup/program_state.h"

namespace orvane::startup {

inline constexpr wchar_t kApplicationTitle[] = L"3dOrvane (Screen Saver)";
inline constexpr wchar_t kSaverWindowTitle[] = L"3dOrvane_Main";
inline constexpr wchar_t kSettingsDialogTitle[] = L"<3dOrvaneの設定>";
inline constexpr wchar_t kStagingFolder[] = L"C:\\v_orim";
inline constexpr wchar_t kRendererFileName[] = L"\\3dOrvane.dll";
inline constexpr wchar_t kModelFileName[] = L"\\3dOrvane.x";

enum class AfterStart {
  kEndProcess,       // end at once: no window of the program is open
  kRunOpenWindows,   // run until the window that was opened has gone
};

// The start of every run: refuses to run beside another copy's saver or dialog, reads the
// mode from the command line, prepares what the mode needs and opens its window.
AfterStart StartProgram(platform::Services& services, ModeWindows& windows, ProgramState& state);

}  // namespace orvane::startup
