#pragma once

#include <chrono>

namespace orvane::platform {

class DisplayServices {
 public:
  // Times on the display's clock: a steady high-resolution clock counted from an arbitrary start.
  using Time = std::chrono::microseconds;

  virtual ~DisplayServices() = default;

  // Twips (1/1440 inch) per screen pixel: 15 at 96 dots per inch.
  virtual int TwipsPerPixelX() = 0;
  virtual int TwipsPerPixelY() = 0;
  // How the program sees a scaled display, chosen once, before the first window.
  enum class DpiAwareness {
    kUnaware,     // in pixels of 96 dots per inch, which the system scales up
    kPrimary,     // in the display's own pixels, at the primary monitor's dots per inch
    kPerMonitor,  // in each monitor's own pixels, where the system offers it; else as kPrimary
  };
  virtual void SetDpiAwareness(DpiAwareness awareness) = 0;

  virtual Time Now() = 0;
  // How long the primary display shows each picture: one over the refresh rate its display
  // settings report, 60 Hz when they report none.
  virtual Time RefreshInterval() = 0;
  // Waits for the display's next refresh, handling the thread's window messages meanwhile,
  // and returns when it came. Where a compositor draws the desktop, that is its next pass;
  // elsewhere, and under Wine, which has no compositor to wait for, it is `due`, reached with a
  // high-resolution wait. Returns early once the program's last window has gone.
  virtual Time WaitForRefresh(Time due) = 0;
};

}  // namespace orvane::platform
