#include "saver/split_effect.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>

namespace orvane::saver {
namespace {

// Draws from a fixed list, in order.
RandomDraw Draws(std::deque<double> values) {
  return [values]() mutable {
    const double value = values.front();
    values.pop_front();
    return value;
  };
}

TEST(WalkCrack, StepsDownTwoRowsAtATimeFromTheTopMiddle) {
  // Step width 3, then right, left, right.
  const Crack crack = WalkCrack(20, 6, Draws({0.0, 0.2, 0.7, 0.4}));

  EXPECT_EQ(crack.table[0], 13);
  EXPECT_EQ(crack.table[2], 10);
  EXPECT_EQ(crack.table[4], 13);
  EXPECT_EQ(crack.travel, 13);
  ASSERT_EQ(crack.line.size(), 4u);
  EXPECT_EQ(crack.line[0].x, 10);
  EXPECT_EQ(crack.line[0].y, 0);
  EXPECT_EQ(crack.line[1].x, 13);
  EXPECT_EQ(crack.line[1].y, 0);
  EXPECT_EQ(crack.line[3].x, 13);
  EXPECT_EQ(crack.line[3].y, 4);
}

TEST(WalkCrack, StepWidthRunsFromThreeToSeven) {
  EXPECT_EQ(WalkCrack(100, 2, Draws({0.0, 0.0})).table[0], 53);
  EXPECT_EQ(WalkCrack(100, 2, Draws({0.999, 0.0})).table[0], 57);
  EXPECT_EQ(WalkCrack(100, 2, Draws({0.5, 0.999})).table[0], 45);
}

TEST(WalkCrack, AnEdgeHoldsTheWalkAndMakesTravelTheWidth) {
  const Crack crack = WalkCrack(10, 8, Draws({0.999, 0.1, 0.1, 0.9, 0.1}));

  EXPECT_EQ(crack.table[0], 10);
  EXPECT_EQ(crack.table[2], 10);
  EXPECT_EQ(crack.table[4], 3);
  EXPECT_EQ(crack.table[6], 10);
  EXPECT_EQ(crack.travel, 10);
}

TEST(WalkCrack, TravelIsNeverLessThanHalfTheWidth) {
  std::mt19937 generator(7);
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  for (int run = 0; run < 200; ++run) {
    const Crack crack = WalkCrack(1023, 31, [&] { return uniform(generator); });
    EXPECT_GE(crack.travel, 511.5);
  }
}

TEST(WalkCrack, OddHeightEndsWithABandStartingOnTheLastRow) {
  const Crack crack = WalkCrack(20, 5, Draws({0.0, 0.2, 0.2, 0.2}));

  EXPECT_EQ(crack.line.size(), 4u);
  EXPECT_EQ(crack.line.back().y, 4);
}

TEST(WalkCrack, SurfaceWithoutRowsHasNoCrackAndNoTravel) {
  const Crack crack = WalkCrack(20, 0, Draws({0.0}));

  EXPECT_TRUE(crack.line.empty());
  EXPECT_EQ(crack.travel, 0);
  EXPECT_EQ(SlideFrameCount(crack.travel), 0);
}

TEST(Slide, OffsetsGrowFasterAndFaster) {
  EXPECT_EQ(SlideOffset(1), -2.1);
  EXPECT_EQ(SlideOffset(2), -4.3);
  EXPECT_EQ(SlideOffset(3), -6.6);
  EXPECT_EQ(SlideOffset(4), -9.0);
  EXPECT_EQ(SlideOffset(5), -11.5);
}

TEST(Slide, DrawsEveryFrameWhoseOffsetStaysWithinTheTravel) {
  EXPECT_EQ(SlideFrameCount(2.0), 0);
  EXPECT_EQ(SlideFrameCount(2.1), 1);
  EXPECT_EQ(SlideFrameCount(512), 82);
  EXPECT_EQ(SlideFrameCount(600), 90);
  EXPECT_EQ(SlideFrameCount(960), 119);
}

TEST(BandCopies, LeftPartThenRightPartThenTheGapLast) {
  const auto copies = BandCopies(512, 10, 1024, -2.1);

  EXPECT_EQ(copies[0].source, BandCopy::Source::kSnapshot);
  EXPECT_EQ(copies[0].sourceX, 0);
  EXPECT_EQ(copies[0].destinationX, -2);
  EXPECT_EQ(copies[0].width, 512);
  EXPECT_EQ(copies[1].source, BandCopy::Source::kSnapshot);
  EXPECT_EQ(copies[1].sourceX, 512);
  EXPECT_EQ(copies[1].destinationX, 514);
  EXPECT_EQ(copies[1].width, 512);
  EXPECT_EQ(copies[2].source, BandCopy::Source::kBlack);
  EXPECT_EQ(copies[2].destinationX, 510);
  EXPECT_EQ(copies[2].width, 4);
  for (const BandCopy& copy : copies) EXPECT_EQ(copy.y, 10);
}

TEST(BandCopies, RoundsExactHalvesToTheEvenPixel) {
  // An odd width puts the crack on half pixels.
  const auto copies = BandCopies(511.5, 0, 1023, -4.5);

  EXPECT_EQ(copies[0].destinationX, -4);
  EXPECT_EQ(copies[0].width, 512);
  EXPECT_EQ(copies[1].sourceX, 512);
  EXPECT_EQ(copies[1].destinationX, 516);
  EXPECT_EQ(copies[1].width, 512);
  EXPECT_EQ(copies[2].destinationX, 507);
  EXPECT_EQ(copies[2].width, 9);
}

TEST(RoundHalfEven, SendsExactHalvesToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(3.5), 4);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(-2.6), -3);
}

}  // namespace
}  // namespace orvane::saver
