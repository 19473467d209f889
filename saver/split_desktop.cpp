#include "saver/split_desktop.h"

#include <cmath>

#include "saver/frame_pacer.h"

namespace orvane::saver {
namespace {

constexpr std::int32_t kBandHeight = 2;

platform::Point Pixel(const Crack::Point& point) {
  return {RoundHalfEven(point.x), RoundHalfEven(point.y)};
}

void DrawCrack(platform::PixelImage& display, const Crack& crack) {
  for (std::size_t i = 1; i < crack.line.size(); ++i) {
    display.DrawLine(Pixel(crack.line[i - 1]), Pixel(crack.line[i]), platform::kBlack);
  }
}

void ComposeFrame(platform::PixelImage& display, platform::PixelImage& snapshot,
                  const Crack& crack, double offset) {
  const int width = display.Width();
  for (int y = 0; y <= display.Height() - 1; y += kBandHeight) {
    for (const BandCopy& copy : BandCopies(crack.table[y], y, width, offset)) {
      if (copy.source == BandCopy::Source::kSnapshot) {
        display.CopyFrom(snapshot, copy.sourceX, copy.y, copy.width, kBandHeight,
                         copy.destinationX, copy.y);
      } else {
        display.FillRectangle(copy.destinationX, copy.y, copy.width, kBandHeight, platform::kBlack);
      }
    }
  }
}

}  // namespace

void SplitDesktop(platform::FormWindow& form, platform::PixelImage& snapshot,
                  platform::FormServices& forms, platform::DisplayServices& display,
                  const RandomDraw& draw, const std::function<void()>& afterPresent) {
  FramePacer pacer(display);
  // False once the window was closed while the frame was on the screen.
  const auto showFrame = [&] {
    form.Present();
    if (afterPresent) afterPresent();
    pacer.HoldPresentedFrame();
    forms.ProcessPendingMessages();
    return form.IsLoaded();
  };

  platform::PixelImage& image = form.Image();
  const Crack crack = WalkCrack(image.Width(), image.Height(), draw);
  DrawCrack(image, crack);
  if (!showFrame()) return;

  const int frames = SlideFrameCount(crack.travel);
  for (int frame = 1; frame <= frames; ++frame) {
    ComposeFrame(image, snapshot, crack, SlideOffset(frame));
    if (!showFrame()) return;
  }
}

}  // namespace orvane::saver
