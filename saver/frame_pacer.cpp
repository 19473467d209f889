#include "saver/frame_pacer.h"

namespace orvane::saver {

FramePacer::FramePacer(platform::DisplayServices& display)
    : display_(display), interval_(display.RefreshInterval()) {}

void FramePacer::HoldPresentedFrame() {
  const Time now = display_.Now();
  const Time due = (lastRefresh_ ? *lastRefresh_ : now) + interval_;
  if (lastRefresh_ && now >= due) {
    lastRefresh_ = now;
    return;
  }
  lastRefresh_ = display_.WaitForRefresh(due);
}

}  // namespace orvane::saver
