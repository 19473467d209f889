#include "saver/split_desktop.h"

#include <gtest/gtest.h>

#include <random>

#include "fakes/fake_platform.h"

namespace orvane::saver {
namespace {

constexpr int kBlack = -1, kCrack = -2, kNothing = -3;

// An image whose pixels tell what they show: the snapshot's pixel y * width + x, black or the
// crack. A line marks the whole box round it, more than it draws.
class ModelImage final : public platform::PixelImage {
 public:
  ModelImage(std::int32_t width, std::int32_t height, int fill)
      : width_(width), height_(height), pixels(static_cast<std::size_t>(width * height), fill) {}
  int& At(std::int32_t x, std::int32_t y) { return pixels[static_cast<std::size_t>(y * width_ + x)]; }

  std::int32_t Width() override { return width_; }
  std::int32_t Height() override { return height_; }
  void CopyFrom(PixelImage& source, std::int32_t sourceX, std::int32_t sourceY, std::int32_t width,
                std::int32_t height, std::int32_t x, std::int32_t y) override {
    auto& from = static_cast<ModelImage&>(source);
    for (int row = 0; row < height; ++row) {
      for (int column = 0; column < width; ++column) At(x + column, y + row) = from.At(sourceX + column, sourceY + row);
    }
  }
  void FillRectangle(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                     platform::Colour) override {
    for (int row = y; row < y + height; ++row) std::fill_n(&At(x, row), width, kBlack);
  }
  void DrawLine(const platform::Point& from, const platform::Point& to, platform::Colour,
                const platform::Rect& within) override {
    for (int y = std::max(std::min(from.y, to.y), within.top); y <= std::min(std::max(from.y, to.y), within.bottom - 1); ++y) {
      for (int x = std::max(std::min(from.x, to.x), within.left); x <= std::min(std::max(from.x, to.x), within.right - 1); ++x) {
        At(x, y) = kCrack;
      }
    }
  }
  void Resize(std::int32_t, std::int32_t) override {}
  void CopyFromScreen(const platform::Rect&, const platform::Point&) override {}
  void StretchFrom(PixelImage&, const platform::Rect&, const platform::Rect&) override {}
  void GradientFill(const std::vector<platform::GradientVertex>&, const std::vector<platform::GradientRectangle>&,
                    platform::GradientDirection) override {}
  void DrawCentredText(const std::wstring&, const platform::Rect&, const platform::FontDescription&,
                       platform::Colour, bool) override {}

 private:
  std::int32_t width_, height_;

 public:
  std::vector<int> pixels;
};

// A window that keeps what each present shows, and has a test look at it.
class ScreenWindow final : public testing::FakeFormWindow {
 public:
  ScreenWindow(platform::FormHandlers& handlers, testing::Calls& calls, std::int32_t width, std::int32_t height)
      : FakeFormWindow(handlers, calls, {platform::FormBorder::kNone, width, height}, {}),
        picture(width, height, 0), screen(width, height, kNothing) {
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = static_cast<int>(i);
  }
  platform::PixelImage& Image() override { return picture; }
  void PresentBlocks(const std::vector<platform::PresentedBlock>& blocks) override {
    for (const platform::PresentedBlock& block : blocks) {
      const platform::Rect& area = block.area;
      screen.CopyFrom(*block.image, area.left, area.top, area.right - area.left, area.bottom - area.top,
                      block.at.x, block.at.y);
    }
  }

  ModelImage picture, screen;
};

class NoHandlers final : public platform::FormHandlers {
 public:
  void OnTimer(int) override {}
  void OnUnload() override {}
};

TEST(SplitDesktop, EachFrameShowsWhatTheBandCopiesOfEachMonitorMakeAndNothingElse) {
  // Monitors of odd and even widths, beside each other, over a corner that none shows.
  const std::vector<platform::Rect> monitors{{0, 0, 61, 30}, {61, 3, 101, 33}};
  for (unsigned seed = 1; seed <= 40; ++seed) {
    testing::FakePlatform fake;
    NoHandlers handlers;
    ScreenWindow window(handlers, fake.calls, 101, 33);
    ModelImage snapshot = window.picture;
    std::mt19937 generator(seed), replay(seed);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::vector<Crack> cracks;
    int frames = 0;
    for (const platform::Rect& monitor : monitors) {
      cracks.push_back(WalkCrack(monitor.right - monitor.left, monitor.bottom - monitor.top, [&] { return uniform(replay); }));
      frames = std::max(frames, SlideFrameCount(cracks.back().travel));
    }
    // What the band copies make of a monitor's frame, on the screen as it is.
    const auto bandCopies = [&](const platform::Rect& area, const Crack& crack, int frame) {
      const int width = area.right - area.left, height = area.bottom - area.top;
      ModelImage made = window.screen;
      made.FillRectangle(area.left, area.top, width, height, 0);
      if (frame > SlideFrameCount(crack.travel)) return made;
      for (int y = area.top; y < area.bottom; ++y) std::fill_n(&made.At(area.left, y), width, kNothing);
      for (int y = 0; y < height; y += 2) {
        for (const BandCopy& band : BandCopies(crack.table[y], y, width, height, SlideOffset(frame))) {
          const std::optional<BandCopy> copy = OnMonitor(band, area);
          if (copy && copy->source == BandCopy::Source::kBlack) {
            made.FillRectangle(copy->destinationX, copy->y, copy->width, copy->height, 0);
          } else if (copy) {
            made.CopyFrom(snapshot, copy->sourceX, copy->y, copy->width, copy->height, copy->destinationX, copy->y);
          }
        }
      }
      return made;
    };
    int frame = -1;
    const auto check = [&] {
      if (++frame == 0) return;  // the cracks
      for (std::size_t m = 0; m < monitors.size(); ++m) {
        ModelImage made = bandCopies(monitors[m], cracks[m], frame);
        for (int y = monitors[m].top; y < monitors[m].bottom; ++y) {
          for (int x = monitors[m].left; x < monitors[m].right; ++x) {
            ASSERT_NE(made.At(x, y), kNothing) << "seed " << seed << ", frame " << frame;
            ASSERT_EQ(window.screen.At(x, y), made.At(x, y))
                << "seed " << seed << ", frame " << frame << ", at " << x << ", " << y;
          }
        }
      }
    };
    SplitDesktop(window, snapshot, monitors, fake.forms, fake, [&] { return uniform(generator); }, check);
    EXPECT_EQ(frame, frames);
  }
}

}  // namespace
}  // namespace orvane::saver
