#pragma once

namespace orvane::renderer {

// When the next frame of the scene is due. Each frame stays on the screen for a whole number
// of the display's refreshes: one while drawing at the display's rate costs at most a quarter
// of one core (a GPU, or a small screen), otherwise the fewest that keep within that quarter,
// but never so many that fewer than 30 frames a second are shown. The motion follows the
// clock, so a slower pace shows the same scene at the same speed, only in fewer steps.
//
// A frame's cost is the processor time of all the program's threads (a software OpenGL draws
// on threads of its own) over about a second of frames. A new pace is taken only when two such
// seconds in a row ask for it, and a faster one only with room to spare, so the pace settles
// within a couple of seconds, does not flicker between two rates, and follows a lasting change
// in cost: a busy machine, or another monitor.
class FramePace {
 public:
  // `refreshHz` as the display reports it; 0 and 1 mean "the hardware default", taken as 60.
  explicit FramePace(int refreshHz);

  int RefreshesPerFrame() const { return refreshesPerFrame_; }
  double FrameSeconds() const { return refreshesPerFrame_ * refreshSeconds_; }

  // After each frame: the clock, and the processor seconds the program has used so far.
  // Returns the milliseconds to wait before the next frame. Each frame is due a frame's time
  // after the one before, rounded down to the millisecond as waking early costs nothing and
  // waking late drops a refresh; a frame drawn too late for its time starts the count afresh.
  int AfterFrame(double nowSeconds, double processorSeconds);
  // The frames drawn too late for their time so far.
  int LateFrames() const { return lateFrames_; }

 private:
  void Measure(double nowSeconds, double processorSeconds);
  int Wanted(double processorSecondsPerFrame) const;

  double refreshSeconds_;
  int slowest_;  // refreshes per frame that still give 30 frames a second
  int refreshesPerFrame_ = 1;
  double due_ = -1;  // when the next frame is due; negative before the first frame
  int lateFrames_ = 0;
  // The measurement under way, and the pace the one before asked for.
  double spanStart_ = -1;
  double processorAtSpanStart_ = 0;
  int framesInSpan_ = 0;
  int askedBefore_ = 0;
};

}  // namespace orvane::renderer
