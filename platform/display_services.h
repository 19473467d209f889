#pragma once

namespace orvane::platform {

class DisplayServices {
 public:
  virtual ~DisplayServices() = default;

  // Twips (1/1440 inch) per screen pixel: 15 at 96 dots per inch.
  virtual int TwipsPerPixelX() = 0;
  virtual int TwipsPerPixelY() = 0;
  // Chosen once, before the first window: whether the program works in the display's own
  // pixels and dots per inch (`aware`), or in pixels of 96 dots per inch that the system
  // scales up on a scaled display.
  virtual void SetDpiAware(bool aware) = 0;
};

}  // namespace orvane::platform
