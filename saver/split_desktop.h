#pragma once

#include <functional>

#include "platform/form_services.h"
#include "saver/split_effect.h"

namespace orvane::saver {

// Tears the desktop picture apart on the window's image: the crack is drawn at once, then
// each frame of the slide is composed from `snapshot` (the desktop picture) and black,
// presented once, and followed by the handling of pending messages, so music timers tick
// between frames. Stops early when the window is closed meanwhile. `afterFrame`, when
// given, is called after each presented frame.
void SplitDesktop(platform::FormWindow& form, platform::PixelImage& snapshot,
                  platform::FormServices& forms, const RandomDraw& draw,
                  const std::function<void()>& afterFrame = {});

}  // namespace orvane::saver
