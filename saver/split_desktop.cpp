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

void ComposeFrame(platform::PixelImage& display, platform::PixelImage& snapshot,
                  const MonitorSplit& split, int frame) {
  const std::int32_t width = split.Width(), height = split.Height();
  const auto draw = [&](const BandCopy& band) {
    const std::optional<BandCopy> copy = OnMonitor(band, split.area);
    if (!copy) return;
    if (copy->source == BandCopy::Source::kBlack) {
      display.FillRectangle(copy->destinationX, copy->y, copy->width, copy->height, platform::kBlack);
      return;
    }
    platform::PixelImage& source = copy->source == BandCopy::Source::kSnapshot ? snapshot : display;
    display.CopyFrom(source, copy->sourceX, copy->y, copy->width, copy->height, copy->destinationX, copy->y);
  };
  for (int y = 0; y <= height - 1; y += 2) {
    const double crackX = split.crack.table[y];
    const auto now = BandCopies(crackX, y, width, height, SlideOffset(frame));
    // The first frame comes from the snapshot, as the picture shows the crack.
    if (frame == 1) {
      for (const BandCopy& copy : now) draw(copy);
      continue;
    }
    // Later ones move the parts along from the frame before and black out what the gap gained:
    // the rest of it is black already.
    const auto before = BandCopies(crackX, y, width, height, SlideOffset(frame - 1));
    for (int part = 0; part < 2; ++part) {
      for (const BandCopy& copy : MovedAlong(now[part], before[part], before[2], width)) draw(copy);
    }
    for (const BandCopy& strip : NewlyOpened(now[2], before[2])) draw(strip);
  }
}

}  // namespace

void SplitDesktop(platform::FormWindow& form, platform::PixelImage& snapshot,
                  const std::vector<platform::Rect>& monitors, platform::FormServices& forms,
                  platform::DisplayServices& display, const RandomDraw& draw,
                  const std::function<void()>& afterPresent) {
  FrameHold frameHold(display);
  // False once the window was closed while the frame was on the screen.
  const auto showFrame = [&] {
    form.Present();
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
  if (!showFrame()) return;

  for (int frame = 1; frame <= frames; ++frame) {
    for (const MonitorSplit& split : splits) {
      if (frame <= split.frames) {
        ComposeFrame(image, snapshot, split, frame);
      } else if (frame == split.frames + 1) {
        image.FillRectangle(split.area.left, split.area.top, split.Width(), split.Height(), platform::kBlack);
      }
    }
    if (!showFrame()) return;
  }
}

}  // namespace orvane::saver
