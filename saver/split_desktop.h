#pragma once

#include <functional>
#include <vector>

#include "platform/display_services.h"
#include "platform/form_services.h"
#include "saver/split_effect.h"

namespace orvane::saver {

// Tears the desktop picture apart on the window's image, each monitor on its own: `monitors`
// are where the monitors lie on the window, in its pixels. Each gets a crack of its own, all
// drawn at once, then each frame of the slide is made of `snapshot` (the desktop picture) and
// black, every monitor's parts leaving by its own edges: the parts are shown straight from the
// snapshot, only the columns round the crack are composed, in small images of the effect's
// own, and the gap's columns already black on the screen are left out (but for the frame after
// the window repainted itself from its image). A monitor whose slide is over stays black until
// the last one's is. Every presented frame, the cracks' included, stays on the screen until the
// display's next refresh, while pending messages are handled, so music timers tick between
// frames. Stops early when the window is closed meanwhile.
// `afterPresent`, when given, is called right after each frame is presented.
void SplitDesktop(platform::FormWindow& form, platform::PixelImage& snapshot,
                  const std::vector<platform::Rect>& monitors, platform::FormServices& forms,
                  platform::DisplayServices& display, const RandomDraw& draw,
                  const std::function<void()>& afterPresent = {});

}  // namespace orvane::saver
