#include "renderer/scene/frame_rate_cap.h"

#include <cmath>

namespace orvane::renderer {
namespace {

constexpr int kDefaultRefreshHz = 60;
constexpr int kHighestRefreshHz = 500;

}  // namespace

FrameRateCap::FrameRateCap(int refreshHz)
    : intervalSeconds_(1.0 / (refreshHz > 1 && refreshHz <= kHighestRefreshHz ? refreshHz
                                                                               : kDefaultRefreshHz)) {}

int FrameRateCap::WaitMilliseconds(double frameStartSeconds, double nowSeconds) const {
  // Rounded down: waking a little early costs nothing, waking late drops a frame.
  const double left = intervalSeconds_ - (nowSeconds - frameStartSeconds);
  return left > 0 ? static_cast<int>(std::floor(left * 1000)) : 0;
}

}  // namespace orvane::renderer
