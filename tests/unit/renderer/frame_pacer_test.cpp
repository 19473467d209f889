#include "renderer/scene/frame_pacer.h"

#include <gtest/gtest.h>

namespace orvane::renderer {
namespace {

TEST(FramePacer, WaitsOutTheRestOfTheDisplaysFrameRoundedDownAtSixtyHertzUnlessTold) {
  const struct {
    int refreshHz;
    double frameSeconds;
    int waitMs;
  } cases[] = {
      {60, 0.005, 11}, {60, 0, 16}, {144, 0.002, 4}, {60, 0.017, 0}, {60, 1.5, 0},
      // Unknown or implausible rates.
      {0, 0, 16}, {1, 0, 16}, {-5, 0, 16}, {100000, 0, 16},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FramePacer(c.refreshHz).WaitMilliseconds(2.0, 2.0 + c.frameSeconds), c.waitMs) << c.refreshHz;
  }
}

}  // namespace
}  // namespace orvane::renderer
