#include "saver/split_effect.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace orvane::saver {
namespace {

TEST(WalkCrack, TheCrackRunsFromTheTopMiddleDownInsideTheScreen) {
  std::mt19937 generator(7);
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  for (const auto& [width, height] : {std::pair{1024, 768}, std::pair{1023, 31}, std::pair{10, 8},
                                      std::pair{20, 5}}) {
    for (int run = 0; run < 50; ++run) {
      const Crack crack = WalkCrack(width, height, [&] { return uniform(generator); });
      // One point at the top middle, then one a band of two rows, the last band on the last row.
      ASSERT_EQ(crack.line.size(), static_cast<std::size_t>((height + 1) / 2 + 1));
      EXPECT_EQ(std::pair(crack.line[0].x, crack.line[0].y), std::pair(width / 2.0, 0.0));
      double farthest = width / 2.0;
      for (std::size_t i = 1; i < crack.line.size(); ++i) {
        const Crack::Point& point = crack.line[i];
        EXPECT_EQ(point.y, 2.0 * (i - 1));
        EXPECT_EQ(crack.table[static_cast<std::size_t>(point.y)], point.x);
        EXPECT_TRUE(point.x >= 0 && point.x <= width) << point.x;
        EXPECT_LE(std::abs(point.x - crack.line[i - 1].x), 7);
        farthest = std::max({farthest, point.x, width - point.x});
      }
      // Both parts have left the screen once they have moved as far as the wider of them reaches.
      EXPECT_EQ(crack.travel, farthest);
    }
  }
}

TEST(Slide, TheHalvesMoveApartFasterAndFasterUntilBothHaveLeftTheScreen) {
  EXPECT_EQ(std::tuple(SlideOffset(1), SlideOffset(2), SlideOffset(3)), std::tuple(-2.1, -4.3, -6.6));
  // About 1.4 s at 60 Hz on a screen 1024 wide, 2 s on one 1920 wide.
  EXPECT_EQ(std::pair(SlideFrameCount(512), SlideFrameCount(960)), std::pair(82, 119));
  for (const double travel : {2.0, 2.1, 9.0, 600.0, 1023.5}) {
    const int frames = SlideFrameCount(travel);
    EXPECT_TRUE(-SlideOffset(frames) <= travel && -SlideOffset(frames + 1) > travel) << travel;
  }
}

TEST(BandCopies, BothPartsMoveOutByTheOffsetAndTheGapFillsTheSpaceBetweenThem) {
  for (int frame = 1; frame <= 119; frame += 2) {
    const double offset = SlideOffset(frame);
    for (const double crackX : {0.0, 3.0, 511.5, 512.0, 1023.0}) {
      const auto [left, right, gap] = BandCopies(crackX, 10, 1023, 767, offset);
      const std::string where = std::to_string(crackX) + " at " + std::to_string(offset);
      EXPECT_EQ(std::tuple(left.source, right.source, gap.source),
                std::tuple(BandCopy::Source::kSnapshot, BandCopy::Source::kSnapshot, BandCopy::Source::kBlack));
      EXPECT_EQ(std::pair(left.sourceX, right.sourceX), std::pair(0, left.width)) << where;
      EXPECT_EQ(left.destinationX, RoundHalfEven(offset)) << where;
      EXPECT_NEAR(right.destinationX - right.sourceX, -offset, 1) << where;
      // Rounded on its own, the gap reaches each part or lies a pixel over it.
      const int leftOverlap = left.destinationX + left.width - gap.destinationX;
      const int rightOverlap = gap.destinationX + gap.width - right.destinationX;
      EXPECT_TRUE(leftOverlap >= 0 && leftOverlap <= 1 && rightOverlap >= 0 && rightOverlap <= 1) << where;
      for (const BandCopy& copy : {left, right, gap}) EXPECT_EQ(std::pair(copy.y, copy.height), std::pair(10, 2));
    }
  }
  // An odd width puts the crack on half pixels, which go to the even pixel.
  EXPECT_EQ(std::tuple(RoundHalfEven(2.5), RoundHalfEven(-2.5), RoundHalfEven(3.5), RoundHalfEven(-6.6)),
            std::tuple(2, -2, 4, -7));
}

}  // namespace
}  // namespace orvane::saver
