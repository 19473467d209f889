#pragma once

#include <cstdint>

#include "platform/window_services.h"

namespace orvane::dialog {

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

}  // namespace orvane::dialog
