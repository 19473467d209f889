#include "renderer/scene/frame_pace.h"

#include <algorithm>
#include <cmath>

namespace orvane::renderer {
namespace {

constexpr int kDefaultRefreshHz = 60;
constexpr int kHighestRefreshHz = 500;
constexpr double kLowestFramesPerSecond = 30;
// What drawing may cost: a quarter of one core.
constexpr double kBudget = 0.25;
// A faster pace must keep this far inside the budget, so that a cost near the budget's edge
// does not swing the pace back and forth.
constexpr double kRoomToSpeedUp = 0.8;
constexpr double kSpanSeconds = 1.0;

}  // namespace

FramePace::FramePace(int refreshHz) {
  const int hz = refreshHz > 1 && refreshHz <= kHighestRefreshHz ? refreshHz : kDefaultRefreshHz;
  refreshSeconds_ = 1.0 / hz;
  slowest_ = std::max(1, static_cast<int>(hz / kLowestFramesPerSecond));
}

int FramePace::AfterFrame(double nowSeconds, double processorSeconds) {
  Measure(nowSeconds, processorSeconds);
  due_ = due_ < 0 ? nowSeconds + FrameSeconds() : due_ + FrameSeconds();
  if (due_ <= nowSeconds) {
    due_ = nowSeconds;
    ++lateFrames_;
    return 0;
  }
  return static_cast<int>(std::floor((due_ - nowSeconds) * 1000));
}

void FramePace::Measure(double nowSeconds, double processorSeconds) {
  if (spanStart_ < 0) {
    spanStart_ = nowSeconds;
    processorAtSpanStart_ = processorSeconds;
    return;
  }
  ++framesInSpan_;
  if (nowSeconds - spanStart_ < kSpanSeconds) return;
  const int asked = Wanted((processorSeconds - processorAtSpanStart_) / framesInSpan_);
  if (asked == askedBefore_) refreshesPerFrame_ = asked;
  askedBefore_ = asked;
  spanStart_ = nowSeconds;
  processorAtSpanStart_ = processorSeconds;
  framesInSpan_ = 0;
}

int FramePace::Wanted(double processorSecondsPerFrame) const {
  const auto share = [&](int refreshes) { return processorSecondsPerFrame / (refreshes * refreshSeconds_); };
  int wanted = 1;
  while (wanted < slowest_ && share(wanted) > kBudget) ++wanted;
  // A faster pace than today's only with room to spare.
  while (wanted < refreshesPerFrame_ && share(wanted) > kBudget * kRoomToSpeedUp) ++wanted;
  return wanted;
}

}  // namespace orvane::renderer
