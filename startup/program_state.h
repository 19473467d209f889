#pragma once

#include <cstdint>

#include "startup/settings.h"
#include "startup/system_utils.h"

namespace orvane::startup {

// What lives for the whole process beside the windows: the settings, the cursor count that
// saver mode takes when it hides the cursor, and the settings dialog's zoom origin.
struct ProgramState {
  Settings settings;
  std::int32_t savedCursorCount = 0;
  ZoomOrigin zoomOrigin;
};

}  // namespace orvane::startup
