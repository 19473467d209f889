#pragma once

namespace orvane::platform {

class DisplayServices {
 public:
  virtual ~DisplayServices() = default;

  // Twips (1/1440 inch) per screen pixel: 15 at 96 dots per inch.
  virtual int TwipsPerPixelX() = 0;
  virtual int TwipsPerPixelY() = 0;
};

}  // namespace orvane::platform
