#include "saver/frame_hold.h"

namespace orvane::saver {

FrameHold::FrameHold(platform::DisplayServices& display)
    : display_(display), interval_(display.RefreshInterval()) {}

void FrameHold::HoldPresentedFrame() {
  const Time now = display_.Now();
  const Time due = (lastRefresh_ ? *lastRefresh_ : now) + interval_;
  if (lastRefresh_ && now >= due) {
    lastRefresh_ = now;
    return;
  }
  lastRefresh_ = display_.WaitForRefresh(due);
}

}  // namespace orvane::saver
