#pragma once

namespace orvane::renderer {

struct ScreenPoint {
  int x = 0;
  int y = 0;
};

// Decides when a mouse movement ends the run: once a short grace period after the window
// appeared has passed, a pointer more than a few pixels from where it was at that moment.
// The grace period keeps the pointer's jitter and the system's own move notices at the start
// from cancelling the run before it is seen.
class InputWatch {
 public:
  static constexpr int kMoveThresholdPixels = 8;
  static constexpr double kGraceSeconds = 0.5;

  InputWatch(ScreenPoint start, double startSeconds) : start_(start), startSeconds_(startSeconds) {}

  bool MoveEndsRun(ScreenPoint pointer, double nowSeconds) const;

 private:
  ScreenPoint start_;
  double startSeconds_;
};

}  // namespace orvane::renderer
