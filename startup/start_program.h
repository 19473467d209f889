#pragma once

#include "platform/services.h"
#include "settings/settings.h"
#include "startup/mode_windows.h"

namespace orvane::startup {

enum class AfterStart {
  kEndProcess,       // end at once: no window of the program is open
  kRunOpenWindows,   // run until the window that was opened has gone
};

// The start of every run: refuses to run beside another copy's saver or dialog, reads the
// mode from the command line, prepares what the mode needs (`settings` among it) and opens
// its window.
AfterStart StartProgram(platform::Services& services, ModeWindows& windows,
                        settings::Settings& settings);

}  // namespace orvane::startup
