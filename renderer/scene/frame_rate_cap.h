#pragma once

namespace orvane::renderer {

// Without vsync (software OpenGL, a driver that ignores the request, the GDI fallback) frames
// come as fast as they can be drawn and take every core for no visible gain. The cap tells how
// long to wait after a frame so that frames come no faster than the display shows them; with
// vsync the swap itself has waited and the cap asks for nothing more.
class FrameRateCap {
 public:
  // `refreshHz` as the display reports it; 0 and 1 mean "the hardware default", taken as 60.
  explicit FrameRateCap(int refreshHz);

  int WaitMilliseconds(double frameStartSeconds, double nowSeconds) const;

 private:
  double intervalSeconds_;
};

}  // namespace orvane::renderer
