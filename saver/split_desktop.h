#pragma once

#include <functional>

#include "platform/display_services.h"
#include "platform/form_services.h"
#include "saver/split_effect.h"

namespace orvane::saver {

// Tears the desktop picture apart on the window's image: the crack is drawn at once, then
// each frame of the slide is composed from `snapshot` (the desktop picture) and black. Every
// presented frame, the crack's included, stays on the screen until the display's next
// refresh, while pending messages are handled, so music timers tick between frames. Stops
// early when the window is closed meanwhile. `afterPresent`, when given, is called right
// after each frame is presented.
void SplitDesktop(platform::FormWindow& form, platform::PixelImage& snapshot,
                  platform::FormServices& forms, platform::DisplayServices& display,
                  const RandomDraw& draw, const std::function<void()>& afterPresent = {});

}  // namespace orvane::saver
