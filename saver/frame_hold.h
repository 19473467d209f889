#pragma once

#include <optional>

#include "platform/display_services.h"

namespace orvane::saver {

// Keeps each presented frame on the screen for one display refresh, so that every frame of an
// animation is seen: drawn faster than the display refreshes, most frames would never reach
// the screen. The refreshes it waits for lie one interval apart, so a wait that oversleeps
// does not delay the frames after it.
class FrameHold {
 public:
  explicit FrameHold(platform::DisplayServices& display);

  // Right after a frame was presented: waits for the next refresh, handling window messages
  // meanwhile. A frame that took a whole refresh or longer to draw is late; it is shown at
  // once, and the next frame gets a full refresh from now.
  void HoldPresentedFrame();

 private:
  using Time = platform::DisplayServices::Time;

  platform::DisplayServices& display_;
  const Time interval_;
  // When the last frame came on the screen; none before the first.
  std::optional<Time> lastRefresh_;
};

}  // namespace orvane::saver
