#include "saver/split_desktop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>

#include "fakes/fake_platform.h"

namespace orvane::saver {
namespace {

constexpr int kBlack = -1, kCrack = -2, kNothing = -3;

// An image whose pixels tell what they show: the snapshot's pixel y * width + x (as the image
// is numbered when no `fill` is given), black, or the crack, marked at its lines' ends.
class ModelImage final : public testing::FakePixelImage {
 public:
  ModelImage(std::int32_t width, std::int32_t height, std::optional<int> fill, testing::Calls& calls)
      : FakePixelImage(L"model", width, height, calls), pixels(static_cast<std::size_t>(width * height)) {
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = fill.value_or(static_cast<int>(i));
  }
  int& At(std::int32_t x, std::int32_t y) { return *Span(x, y, 1); }
  // The `width` pixels from (x, y); a span reaching outside the image fails the test.
  int* Span(std::int32_t x, std::int32_t y, std::int32_t width) {
    if (x < 0 || width < 0 || x + width > Width() || y < 0 || y >= Height()) {
      throw std::out_of_range(std::to_string(width) + " pixels from " + std::to_string(x) + ", " + std::to_string(y));
    }
    return &pixels[static_cast<std::size_t>(y * Width() + x)];
  }

  void CopyFrom(PixelImage& source, std::int32_t sourceX, std::int32_t sourceY, std::int32_t width,
                std::int32_t height, std::int32_t x, std::int32_t y) override {
    auto& from = static_cast<ModelImage&>(source);
    for (int row = 0; row < height; ++row) {
      std::copy_n(from.Span(sourceX, sourceY + row, width), width, Span(x, y + row, width));
    }
  }
  void FillRectangle(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     platform::Colour) override {
    for (int row = y; row < y + height; ++row) std::fill_n(Span(x, row, width), width, kBlack);
  }
  void DrawLine(const platform::Point& from, const platform::Point& to, platform::Colour,
                const platform::Rect& within) override {
    for (const platform::Point& end : {from, to}) {
      At(std::clamp(end.x, within.left, within.right - 1), std::clamp(end.y, within.top, within.bottom - 1)) = kCrack;
    }
  }

  std::vector<int> pixels;
};

// A window that keeps what each present shows, and what a repaint shows.
class ScreenWindow final : public platform::FormHandlers, public testing::FakeFormWindow {
 public:
  ScreenWindow(testing::Calls& calls, std::int32_t width, std::int32_t height)
      : FakeFormWindow(*this, calls, {platform::FormBorder::kNone, width, height}, {}),
        picture(width, height, std::nullopt, calls), screen(width, height, kNothing, calls) {}
  void OnTimer(int) override {}
  void OnUnload() override {}
  platform::PixelImage& Image() override { return picture; }
  void PresentBlocks(const std::vector<platform::PresentedBlock>& blocks) override {
    for (const auto& [image, area, at] : blocks) {
      screen.CopyFrom(*image, area.left, area.top, area.right - area.left, area.bottom - area.top, at.x, at.y);
    }
  }
  // Shows the picture again, as when the system has the window paint itself.
  void Repaint() {
    screen.CopyFrom(picture, 0, 0, picture.Width(), picture.Height(), 0, 0);
    repainted = true;
  }
  bool RepaintedSinceAsked() override { return std::exchange(repainted, false); }

  bool repainted = false;
  ModelImage picture, screen;
};

TEST(SplitDesktop, EachFrameShowsWhatTheBandCopiesOfEachMonitorMakeAndNothingElseRepaintsOrNot) {
  // Monitors of odd and even widths and heights, beside each other, over a corner that none
  // shows, the taller composed in several stripes.
  const std::vector<platform::Rect> monitors{{0, 0, 61, 30}, {61, 3, 101, 72}};
  for (unsigned seed = 1; seed <= 40; ++seed) {
    testing::FakePlatform fake;
    fake.forms.makeImage = [&](std::int32_t width, std::int32_t height) {
      return std::make_unique<ModelImage>(width, height, kNothing, fake.calls);
    };
    ScreenWindow window(fake.calls, 101, 72);
    ModelImage snapshot = window.picture;
    std::mt19937 generator(seed), replay(seed);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::vector<Crack> cracks;
    for (const platform::Rect& area : monitors) {
      cracks.push_back(WalkCrack(area.right - area.left, area.bottom - area.top, [&] { return uniform(replay); }));
    }
    // Each presented frame shows on each monitor what its band copies make of it, every pixel
    // of it (the screen shows kNothing nowhere), or black once its slide is over; also the frame
    // after the window repainted itself, which it does after every fourth.
    int frame = -1;
    const auto afterPresent = [&] {
      ++frame;  // the cracks are frame 0
      for (std::size_t m = 0; frame > 0 && m < monitors.size(); ++m) {
        const platform::Rect& area = monitors[m];
        const int width = area.right - area.left, height = area.bottom - area.top;
        const bool over = frame > SlideFrameCount(cracks[m].travel);
        ModelImage made(window.screen.Width(), window.screen.Height(), over ? kBlack : kNothing, fake.calls);
        for (int y = 0; y < height && !over; y += 2) {
          for (const BandCopy& copy : BandCopies(cracks[m].table[y], y, width, height, SlideOffset(frame))) {
            // Cut to the monitor's columns.
            const int cut = std::max(0, -copy.destinationX);
            const int columns = std::min(copy.width - cut, width - copy.destinationX - cut);
            const int x = area.left + copy.destinationX + cut, top = area.top + copy.y;
            if (columns <= 0) continue;
            if (copy.source == BandCopy::Source::kBlack) made.FillRectangle(x, top, columns, copy.height, 0);
            else made.CopyFrom(snapshot, area.left + copy.sourceX + cut, top, columns, copy.height, x, top);
          }
        }
        const auto row = [&](ModelImage& i, int y) { auto* p = &i.At(area.left, y); return std::vector(p, p + width); };
        for (int y = area.top; y < area.bottom; ++y) {
          ASSERT_EQ(row(window.screen, y), row(made, y)) << "seed " << seed << ", frame " << frame << ", row " << y;
        }
      }
      if ((frame + static_cast<int>(seed)) % 4 == 0) window.Repaint();
    };
    SplitDesktop(window, snapshot, monitors, fake.forms, fake, [&] { return uniform(generator); }, afterPresent);
    EXPECT_EQ(frame, SlideFrameCount(std::max(cracks[0].travel, cracks[1].travel)));
  }
}

}  // namespace
}  // namespace orvane::saver
