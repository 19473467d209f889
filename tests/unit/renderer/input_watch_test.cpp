#include "renderer/scene/input_watch.h"

#include <gtest/gtest.h>

namespace orvane::renderer {
namespace {

TEST(InputWatch, MovesOfUpToEightPixelsNeverEndTheRun) {
  const InputWatch watch({500, 400}, 10.0);

  EXPECT_FALSE(watch.MoveEndsRun({508, 400}, 20.0));
  EXPECT_FALSE(watch.MoveEndsRun({500, 392}, 20.0));
  EXPECT_FALSE(watch.MoveEndsRun({505, 406}, 20.0));  // 7.8 pixels away
  EXPECT_FALSE(watch.MoveEndsRun({500, 400}, 20.0));
}

TEST(InputWatch, AFartherMoveEndsTheRunOnceHalfASecondHasPassed) {
  const InputWatch watch({500, 400}, 10.0);

  EXPECT_FALSE(watch.MoveEndsRun({600, 400}, 10.0));
  EXPECT_FALSE(watch.MoveEndsRun({509, 400}, 10.49));
  EXPECT_TRUE(watch.MoveEndsRun({509, 400}, 10.5));
  EXPECT_TRUE(watch.MoveEndsRun({506, 394}, 11.0));  // 8.5 pixels away
}

TEST(InputWatch, MeasuresFromTheStartEvenOnScreensLeftOfAndFarFromTheOrigin) {
  const InputWatch watch({-1500, 200}, 0.0);

  EXPECT_FALSE(watch.MoveEndsRun({-1496, 204}, 1.0));
  EXPECT_TRUE(watch.MoveEndsRun({-1500, 209}, 1.0));
  EXPECT_TRUE(InputWatch({-2000000000, 0}, 0.0).MoveEndsRun({2000000000, 0}, 1.0));
}

}  // namespace
}  // namespace orvane::renderer
