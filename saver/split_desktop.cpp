#include "saver/split_desktop.h"

#include <algorithm>
#include <memory>

#include "saver/frame_hold.h"

namespace orvane::saver {
namespace {

// A monitor's rows are composed a stripe at a time, each with the columns its own stretch of the
// crack needs: far fewer than the whole crack's, and kept side by side in small images, whose
// rows lie close together in memory. Composing straight on the window's image instead touched
// a row of it, and one of the snapshot, for every band: cold in memory after each refresh, those
// rows cost more than copying the whole screen.
constexpr int kStripeRows = 32;

// A stripe's rows, and the snapshot's columns (the monitor's) that the crack's surroundings
// hold for them, from x 0 on.
struct Stripe {
  int top;
  int bottom;
  std::int32_t aroundBegin;
  std::int32_t aroundEnd;
};

// One monitor's own effect.
struct MonitorSplit {
  platform::Rect area;
  Crack crack;
  int frames = 0;
  std::vector<Stripe> stripes;
  // The snapshot's columns round the crack, stripe by stripe, all the composing reads.
  std::unique_ptr<platform::PixelImage> around;
  // A frame's composed columns but the black ones, stripe by stripe: those left of the black
  // columns from x 0 on, then those right of them.
  std::unique_ptr<platform::PixelImage> composed;

  std::int32_t Width() const { return area.right - area.left; }
  std::int32_t Height() const { return area.bottom - area.top; }
};

// Clipped to the monitor, so that a crack held at its edge stays off the monitor beside it.
void DrawCrack(platform::PixelImage& display, const MonitorSplit& split) {
  const platform::Rect& area = split.area;
  const auto onWindow = [&area](const Crack::Point& point) {
    return platform::Point{RoundHalfEven(point.x) + area.left, RoundHalfEven(point.y) + area.top};
  };
  const std::vector<Crack::Point>& line = split.crack.line;
  for (std::size_t i = 1; i < line.size(); ++i) {
    display.DrawLine(onWindow(line[i - 1]), onWindow(line[i]), platform::kBlack, area);
  }
}

// Cuts the monitor's rows into stripes and copies the snapshot's columns round each stripe's
// stretch of the crack: a part shown next to the gap comes from at most a pixel left of the
// crack's leftmost jag to two right of its rightmost, rounding included.
void PrepareStripes(MonitorSplit& split, platform::PixelImage& snapshot, platform::FormServices& forms) {
  const std::int32_t width = split.Width(), height = split.Height();
  std::int32_t aroundWidth = 1;
  for (int top = 0; top < height; top += kStripeRows) {
    const int bottom = std::min(height, top + kStripeRows);
    double leftmost = width, rightmost = 0;
    for (int y = top; y < bottom; y += 2) {
      leftmost = std::min(leftmost, split.crack.table[y]);
      rightmost = std::max(rightmost, split.crack.table[y]);
    }
    const Stripe stripe{top, bottom, std::clamp(static_cast<std::int32_t>(leftmost) - 1, 0, width),
                        std::clamp(static_cast<std::int32_t>(rightmost) + 3, 0, width)};
    aroundWidth = std::max(aroundWidth, stripe.aroundEnd - stripe.aroundBegin);
    split.stripes.push_back(stripe);
  }
  split.around = forms.CreateImage(aroundWidth, height);
  for (const Stripe& stripe : split.stripes) {
    split.around->CopyFrom(snapshot, split.area.left + stripe.aroundBegin, split.area.top + stripe.top,
                           stripe.aroundEnd - stripe.aroundBegin, stripe.bottom - stripe.top, 0, stripe.top);
  }
  // Either side of the black columns, a frame composes the jags and what the gap gained since
  // the frame before, at most the last frame's step.
  const auto lastStep = static_cast<std::int32_t>(SlideOffset(split.frames - 1) - SlideOffset(split.frames)) + 2;
  split.composed = forms.CreateImage(2 * (aroundWidth + lastStep), height);
  // Written once now, as fresh memory costs most on its first write: the first frame would.
  split.composed->FillRectangle(0, 0, split.composed->Width(), height, platform::kBlack);
}

// Composes a stripe of a monitor's frame and adds the blocks that show it: the left part
// straight from the snapshot, the composed columns but for those black on the screen already,
// the right part straight from the snapshot, a block for each run of bands that rounding moves
// by the same whole pixels. After the window showed its own image again (`repainted`, the
// cracks over the desktop picture), the columns black on the screen before are blackened on
// that image and shown from it too.
void ComposeStripe(const MonitorSplit& split, const Stripe& stripe, platform::PixelImage& snapshot, int frame,
                   platform::PixelImage* repainted, std::vector<platform::PresentedBlock>& blocks) {
  const std::int32_t width = split.Width(), height = split.Height();
  const double offset = SlideOffset(frame);
  const FrameLayout layout =
      LayOutFrame(split.crack, width, height, stripe.top, stripe.bottom, offset, SlideOffset(frame - 1));
  const std::int32_t begin = layout.composedBegin, end = layout.composedEnd;
  const std::int32_t leftWidth = layout.blackBegin - begin, rightWidth = end - layout.blackEnd;
  platform::PixelImage& composed = *split.composed;
  // Snapshot columns from `column` on, to the composed image's `x`.
  const auto copy = [&](std::int32_t column, std::int32_t columns, int y, int rows, std::int32_t x) {
    if (columns > 0) composed.CopyFrom(*split.around, column - stripe.aroundBegin, y, columns, rows, x, y);
  };
  const platform::Rect& area = split.area;
  struct Run {
    int top;
    std::int32_t rightShift;
  };
  std::vector<Run> rightRuns;
  for (int y = stripe.top; y < stripe.bottom; y += 2) {
    const auto [left, right, gap] = BandCopies(split.crack.table[y], y, width, height, offset);
    const std::int32_t rightShift = right.destinationX - right.sourceX;
    const std::int32_t gapEnd = gap.destinationX + gap.width;
    const int rows = left.height;
    // The band's columns from `from` to `to`, at `x` of the composed image: the left part up
    // to the gap, which wins where rounding makes it overlap a part, then the right part.
    const auto compose = [&](std::int32_t from, std::int32_t to, std::int32_t x) {
      const std::int32_t leftEnd = std::clamp(gap.destinationX, from, to);
      const std::int32_t rightBegin = std::clamp(gapEnd, leftEnd, to);
      copy(from - layout.leftShift, leftEnd - from, y, rows, x);
      if (leftEnd < rightBegin) {
        composed.FillRectangle(x + leftEnd - from, y, rightBegin - leftEnd, rows, platform::kBlack);
      }
      copy(rightBegin - rightShift, to - rightBegin, y, rows, x + rightBegin - from);
    };
    compose(begin, layout.blackBegin, 0);
    compose(layout.blackEnd, end, leftWidth);
    if (rightRuns.empty() || rightRuns.back().rightShift != rightShift) rightRuns.push_back({y, rightShift});
  }

  const auto show = [&](platform::PixelImage& image, platform::Rect from, std::int32_t x, int y) {
    if (from.left < from.right) blocks.push_back({&image, from, {area.left + x, area.top + y}});
  };
  show(snapshot, {area.left - layout.leftShift, area.top + stripe.top, area.left + begin - layout.leftShift,
                  area.top + stripe.bottom}, 0, stripe.top);
  show(composed, {0, stripe.top, leftWidth, stripe.bottom}, begin, stripe.top);
  show(composed, {leftWidth, stripe.top, leftWidth + rightWidth, stripe.bottom}, layout.blackEnd, stripe.top);
  if (repainted && layout.blackBegin < layout.blackEnd) {
    const platform::Rect black{area.left + layout.blackBegin, area.top + stripe.top, area.left + layout.blackEnd,
                               area.top + stripe.bottom};
    repainted->FillRectangle(black.left, black.top, black.right - black.left, black.bottom - black.top,
                             platform::kBlack);
    show(*repainted, black, layout.blackBegin, stripe.top);
  }
  for (std::size_t i = 0; i < rightRuns.size(); ++i) {
    const int runTop = rightRuns[i].top;
    const int runBottom = i + 1 < rightRuns.size() ? rightRuns[i + 1].top : stripe.bottom;
    const std::int32_t shift = rightRuns[i].rightShift;
    show(snapshot, {area.left + end - shift, area.top + runTop, area.left + width - shift, area.top + runBottom}, end,
         runTop);
  }
}

}  // namespace

void SplitDesktop(platform::FormWindow& form, platform::PixelImage& snapshot,
                  const std::vector<platform::Rect>& monitors, platform::FormServices& forms,
                  platform::DisplayServices& display, const RandomDraw& draw,
                  const std::function<void()>& afterPresent) {
  FrameHold frameHold(display);
  platform::PixelImage& image = form.Image();
  // Set when the window showed its image again while a frame was on the screen.
  platform::PixelImage* repainted = nullptr;
  // False once the window was closed while the frame was on the screen.
  const auto showFrame = [&](const std::vector<platform::PresentedBlock>& blocks) {
    form.PresentBlocks(blocks);
    if (afterPresent) afterPresent();
    frameHold.HoldPresentedFrame();
    forms.ProcessPendingMessages();
    repainted = form.RepaintedSinceAsked() ? &image : nullptr;
    return form.IsLoaded();
  };

  std::vector<MonitorSplit> splits;
  int frames = 0;
  for (const platform::Rect& area : monitors) {
    MonitorSplit& split = splits.emplace_back();
    split.area = area;
    split.crack = WalkCrack(split.Width(), split.Height(), draw);
    split.frames = SlideFrameCount(split.crack.travel);
    frames = std::max(frames, split.frames);
    DrawCrack(image, split);
  }
  for (MonitorSplit& split : splits) PrepareStripes(split, snapshot, forms);
  if (!showFrame({{&image, {0, 0, image.Width(), image.Height()}, {0, 0}}})) return;

  for (int frame = 1; frame <= frames; ++frame) {
    std::vector<platform::PresentedBlock> blocks;
    for (const MonitorSplit& split : splits) {
      if (frame <= split.frames) {
        for (const Stripe& stripe : split.stripes) ComposeStripe(split, stripe, snapshot, frame, repainted, blocks);
      } else if (frame == split.frames + 1) {
        image.FillRectangle(split.area.left, split.area.top, split.Width(), split.Height(), platform::kBlack);
        blocks.push_back({&image, split.area, {split.area.left, split.area.top}});
      }
    }
    if (!showFrame(blocks)) return;
  }
}

}  // namespace orvane::saver
