#include "saver/split_desktop.h"

#include <algorithm>

#include "saver/frame_hold.h"

namespace orvane::saver {
namespace {

// One monitor's own effect.
struct MonitorSplit {
  platform::Rect area;
  Crack crack;
  int frames = 0;

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

// Composes a frame of a monitor on the picture, only in the columns that differ from band to
// band, and adds the blocks that show the frame: the left part straight from the snapshot,
// the composed columns but for those black on the screen already, the right part straight from
// the snapshot.
void ComposeFrame(platform::PixelImage& picture, platform::PixelImage& snapshot, const MonitorSplit& split,
                  int frame, std::vector<platform::PresentedBlock>& blocks) {
  const std::int32_t width = split.Width(), height = split.Height();
  const FrameLayout layout =
      LayOutFrame(split.crack, width, height, SlideOffset(frame), SlideOffset(frame - 1));
  const std::int32_t begin = layout.composedBegin, end = layout.composedEnd;
  const auto draw = [&](const BandCopy& band) {
    const std::optional<BandCopy> copy = OnMonitor(band, split.area);
    if (!copy) return;
    if (copy->source == BandCopy::Source::kBlack) {
      picture.FillRectangle(copy->destinationX, copy->y, copy->width, copy->height, platform::kBlack);
    } else {
      picture.CopyFrom(snapshot, copy->sourceX, copy->y, copy->width, copy->height, copy->destinationX, copy->y);
    }
  };
  for (int y = 0; y <= height - 1; y += 2) {
    const double crackX = split.crack.table[y];
    const auto [left, right, gap] = BandCopies(crackX, y, width, height, SlideOffset(frame));
    draw(CutToColumns(left, begin, gap.destinationX));
    draw(CutToColumns(right, gap.destinationX + gap.width, end));
    // The gap of the frame before is black already; before the first frame there was none.
    const BandCopy gapBefore = BandCopies(crackX, y, width, height, SlideOffset(frame - 1))[2];
    for (const BandCopy& strip : NewlyOpened(gap, gapBefore)) draw(strip);
  }
  const platform::Rect& area = split.area;
  const auto show = [&](platform::PixelImage& image, std::int32_t from, std::int32_t to, std::int32_t shift) {
    if (from >= to) return;
    blocks.push_back({&image,
                      {area.left + from - shift, area.top, area.left + to - shift, area.bottom},
                      {area.left + from, area.top}});
  };
  show(snapshot, 0, begin, layout.leftShift);
  show(picture, begin, layout.blackBegin, 0);
  show(picture, layout.blackEnd, end, 0);
  show(snapshot, end, width, layout.rightShift);
}

}  // namespace

void SplitDesktop(platform::FormWindow& form, platform::PixelImage& snapshot,
                  const std::vector<platform::Rect>& monitors, platform::FormServices& forms,
                  platform::DisplayServices& display, const RandomDraw& draw,
                  const std::function<void()>& afterPresent) {
  FrameHold frameHold(display);
  // False once the window was closed while the frame was on the screen.
  const auto showFrame = [&](const std::vector<platform::PresentedBlock>& blocks) {
    form.PresentBlocks(blocks);
    if (afterPresent) afterPresent();
    frameHold.HoldPresentedFrame();
    forms.ProcessPendingMessages();
    return form.IsLoaded();
  };

  platform::PixelImage& image = form.Image();
  std::vector<MonitorSplit> splits;
  int frames = 0;
  for (const platform::Rect& area : monitors) {
    MonitorSplit split{area, {}, 0};
    split.crack = WalkCrack(split.Width(), split.Height(), draw);
    split.frames = SlideFrameCount(split.crack.travel);
    frames = std::max(frames, split.frames);
    DrawCrack(image, split);
    splits.push_back(std::move(split));
  }
  if (!showFrame({{&image, {0, 0, image.Width(), image.Height()}, {0, 0}}})) return;

  for (int frame = 1; frame <= frames; ++frame) {
    std::vector<platform::PresentedBlock> blocks;
    for (const MonitorSplit& split : splits) {
      if (frame <= split.frames) {
        ComposeFrame(image, snapshot, split, frame, blocks);
      } else if (frame == split.frames + 1) {
        image.FillRectangle(split.area.left, split.area.top, split.Width(), split.Height(), platform::kBlack);
        blocks.push_back({&image, split.area, {split.area.left, split.area.top}});
      }
    }
    if (!showFrame(blocks)) return;
  }
}

}  // namespace orvane::saver
