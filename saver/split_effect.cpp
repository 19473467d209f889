#include "saver/split_effect.h"

#include <algorithm>
#include <cmath>

namespace orvane::saver {
namespace {

constexpr std::int32_t kBandHeight = 2;

}  // namespace

Crack WalkCrack(int width, int height, const RandomDraw& draw) {
  Crack crack;
  crack.table.assign(static_cast<std::size_t>(std::max(height, 0)) + 1, 0.0);
  double x = width / 2.0;
  crack.line.push_back({x, 0});
  const int stepWidth = static_cast<int>(draw() * 5 + 3);
  for (int y = 0; y <= height - 1; y += 2) {
    x += static_cast<int>(draw() * 2) == 0 ? stepWidth : -stepWidth;
    x = std::clamp(x, 0.0, static_cast<double>(width));
    crack.table[y] = x;
    crack.travel = std::max({crack.travel, x, width - x});
    crack.line.push_back({x, static_cast<double>(y)});
  }
  if (crack.line.size() == 1) crack.line.clear();
  return crack;
}

double SlideOffset(int frame) {
  // Written as one division, so the figures come out exact: -2.1, -4.3, -6.6, ...
  return -(40.0 * frame + double(frame) * (frame + 1)) / 20.0;
}

int SlideFrameCount(double travel) {
  int frames = 0;
  while (frames + 1 <= travel && std::abs(SlideOffset(frames + 1)) <= travel) ++frames;
  return frames;
}

std::array<BandCopy, 3> BandCopies(double crackX, int y, int width, int height, double offset) {
  using Source = BandCopy::Source;
  const std::int32_t rows = std::min(kBandHeight, height - y);
  const BandCopy left{Source::kSnapshot, 0, RoundHalfEven(offset), y, RoundHalfEven(crackX), rows};
  const BandCopy right{Source::kSnapshot, RoundHalfEven(crackX), RoundHalfEven(crackX - offset), y,
                       RoundHalfEven(width - crackX), rows};
  // Rounded on its own, the gap may fall a column short of a part; it then reaches the part,
  // so that no column between them keeps what it showed before.
  const std::int32_t gapBegin = std::min(RoundHalfEven(crackX + offset), left.destinationX + left.width);
  const std::int32_t gapEnd =
      std::max(RoundHalfEven(crackX + offset) + RoundHalfEven(-2 * offset), right.destinationX);
  return {{left, right, {Source::kBlack, gapBegin, gapBegin, y, gapEnd - gapBegin, rows}}};
}

FrameLayout LayOutFrame(const Crack& crack, int width, int height, int top, int bottom, double offset,
                        double offsetBefore) {
  FrameLayout layout{width, 0, RoundHalfEven(offset), 0, width};
  for (int y = top; y < std::min(bottom, height); y += kBandHeight) {
    const BandCopy gap = BandCopies(crack.table[y], y, width, height, offset)[2];
    layout.composedBegin = std::min(layout.composedBegin, gap.destinationX);
    layout.composedEnd = std::max(layout.composedEnd, gap.destinationX + gap.width);
    const BandCopy gapBefore = BandCopies(crack.table[y], y, width, height, offsetBefore)[2];
    layout.blackBegin = std::max(layout.blackBegin, gapBefore.destinationX);
    layout.blackEnd = std::min(layout.blackEnd, gapBefore.destinationX + gapBefore.width);
  }
  layout.composedBegin = std::clamp(layout.composedBegin, 0, width);
  layout.composedEnd = std::clamp(layout.composedEnd, layout.composedBegin, width);
  // Before the first frame, and while the jags are wider than the gap, no column was gap in
  // every band.
  if (layout.blackBegin >= layout.blackEnd) layout.blackBegin = layout.blackEnd = layout.composedEnd;
  layout.blackBegin = std::clamp(layout.blackBegin, layout.composedBegin, layout.composedEnd);
  layout.blackEnd = std::clamp(layout.blackEnd, layout.blackBegin, layout.composedEnd);
  return layout;
}

std::int32_t RoundHalfEven(double value) {
  const auto truncated = static_cast<std::int32_t>(value);
  const std::int32_t down = truncated - (value < truncated ? 1 : 0);
  const double rest = value - down;
  return rest > 0.5 || (rest == 0.5 && down % 2 != 0) ? down + 1 : down;
}

}  // namespace orvane::saver
