#include "renderer/scene/input_watch.h"

namespace orvane::renderer {

bool InputWatch::MoveEndsRun(ScreenPoint pointer, double nowSeconds) const {
  if (nowSeconds - startSeconds_ < kGraceSeconds) return false;
  const double dx = static_cast<double>(pointer.x) - start_.x;
  const double dy = static_cast<double>(pointer.y) - start_.y;
  return dx * dx + dy * dy > kMoveThresholdPixels * kMoveThresholdPixels;
}

}  // namespace orvane::renderer
