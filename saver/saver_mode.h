#pragma once

#include <cstdint>
#include <optional>

#include "platform/window_services.h"

namespace orvane::saver {

// What saver mode changes for the length of a run: start-up hides the cursor and tells the
// system a screen saver runs; the saver window gives both back when it closes.
struct SaverModeState {
  // The cursor display count that hiding the cursor returned; empty outside saver mode.
  std::optional<std::int32_t> savedCursorCount;
};

// Tells the system whether a screen saver runs: `clear` 0 says one runs, -1 that none does.
void SetScreenSaverRunningFlag(platform::WindowServices& windows, std::int16_t clear);

}  // namespace orvane::saver
