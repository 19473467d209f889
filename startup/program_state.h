#pragma once

#include "saver/saver_mode.h"
#include "settings/settings.h"

namespace orvane::startup {

// What lives for the whole process beside the windows: the settings, and what saver mode
// changes until the saver window closes.
struct ProgramState {
  settings::Settings settings;
  saver::SaverModeState saverMode;
};

}  // namespace orvane::startup
