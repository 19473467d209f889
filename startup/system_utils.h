#pragma once

#include <cstdint>
#include <string>

#include "platform/services.h"

namespace orvane::startup {

// True when `path` (less one trailing backslash) names a file that can be opened for reading.
bool FileExists(platform::FileServices& files, std::wstring path);

// The dialog grows out of, and shrinks back into, this screen point (the mouse position
// when it opened).
struct ZoomOrigin {
  std::int16_t x = 0;
  std::int16_t y = 0;
};

void ZoomOpen(platform::WindowServices& windows, const ZoomOrigin& origin,
              platform::WindowHandle window);
void ZoomClose(platform::WindowServices& windows, const ZoomOrigin& origin,
               platform::WindowHandle window);

// Tells the system whether a screen saver runs: `clear` 0 says one runs, -1 that none does.
void SetScreenSaverRunningFlag(platform::WindowServices& windows, std::int16_t clear);

}  // namespace orvane::startup
