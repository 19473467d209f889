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
  return {{
      {Source::kSnapshot, 0, RoundHalfEven(offset), y, RoundHalfEven(crackX), rows},
      {Source::kSnapshot, RoundHalfEven(crackX), RoundHalfEven(crackX - offset), y,
       RoundHalfEven(width - crackX), rows},
      {Source::kBlack, RoundHalfEven(crackX + offset), RoundHalfEven(crackX + offset), y,
       RoundHalfEven(-2 * offset), rows},
  }};
}

std::array<BandCopy, 2> NewlyOpened(const BandCopy& gap, const BandCopy& before) {
  const std::int32_t beforeEnd = before.destinationX + before.width;
  BandCopy left = gap, right = gap;
  left.width = before.destinationX - gap.destinationX;
  right.sourceX = right.destinationX = beforeEnd;
  right.width = gap.destinationX + gap.width - beforeEnd;
  return {left, right};
}

std::array<BandCopy, 3> MovedAlong(const BandCopy& part, const BandCopy& partBefore,
                                   const BandCopy& gapBefore, std::int32_t width) {
  // The columns of the monitor where the picture shows the part before; the gap before cut
  // one of its ends.
  std::int32_t heldBegin = std::max(partBefore.destinationX, 0);
  std::int32_t heldEnd = std::min(partBefore.destinationX + partBefore.width, width);
  const std::int32_t gapEnd = gapBefore.destinationX + gapBefore.width;
  if (gapBefore.destinationX <= heldBegin) {
    heldBegin = std::max(heldBegin, gapEnd);
  } else {
    heldEnd = std::min(heldEnd, gapBefore.destinationX);
  }
  const std::int32_t shift = part.destinationX - part.sourceX;
  const std::int32_t moved = shift - (partBefore.destinationX - partBefore.sourceX);
  const std::int32_t begin = std::max(part.destinationX, 0);
  const std::int32_t end = std::max(begin, std::min(part.destinationX + part.width, width));
  const std::int32_t movedBegin = std::clamp(heldBegin + moved, begin, end);
  const std::int32_t movedEnd = std::clamp(heldEnd + moved, movedBegin, end);
  const auto copy = [&](BandCopy::Source source, std::int32_t from, std::int32_t to, std::int32_t sourceShift) {
    return BandCopy{source, from - sourceShift, from, part.y, to - from, part.height};
  };
  return {copy(BandCopy::Source::kPicture, movedBegin, movedEnd, moved),
          copy(BandCopy::Source::kSnapshot, begin, movedBegin, shift),
          copy(BandCopy::Source::kSnapshot, movedEnd, end, shift)};
}

std::optional<BandCopy> OnMonitor(BandCopy copy, const platform::Rect& monitor) {
  if (copy.destinationX < 0) {
    copy.sourceX -= copy.destinationX;
    copy.width += copy.destinationX;
    copy.destinationX = 0;
  }
  copy.width = std::min(copy.width, monitor.right - monitor.left - copy.destinationX);
  if (copy.width <= 0 || copy.height <= 0) return std::nullopt;
  copy.sourceX += monitor.left;
  copy.destinationX += monitor.left;
  copy.y += monitor.top;
  return copy;
}

std::int32_t RoundHalfEven(double value) {
  const auto truncated = static_cast<std::int32_t>(value);
  const std::int32_t down = truncated - (value < truncated ? 1 : 0);
  const double rest = value - down;
  return rest > 0.5 || (rest == 0.5 && down % 2 != 0) ? down + 1 : down;
}

}  // namespace orvane::saver
