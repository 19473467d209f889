#include "renderer/scene/frame_pacer.h"

#include <gtest/gtest.h>

namespace orvane::renderer {
namespace {

TEST(FramePacer, WaitsOutTheRestOfTheDisplaysFrameRoundedDown) {
  const FramePacer pacer(60);

  EXPECT_EQ(pacer.WaitMilliseconds(2.0, 2.005), 11);
  EXPECT_EQ(pacer.WaitMilliseconds(2.0, 2.0), 16);
  EXPECT_EQ(FramePacer(144).WaitMilliseconds(0.0, 0.002), 4);
}

TEST(FramePacer, AFrameThatTookTheWholeIntervalWaitsNoLonger) {
  const FramePacer pacer(60);

  EXPECT_EQ(pacer.WaitMilliseconds(2.0, 2.017), 0);
  EXPECT_EQ(pacer.WaitMilliseconds(2.0, 3.5), 0);
}

TEST(FramePacer, UnknownOrImplausibleRatesPaceAtSixtyHertz) {
  for (const int refreshHz : {0, 1, -5, 100000}) {
    EXPECT_EQ(FramePacer(refreshHz).WaitMilliseconds(0.0, 0.0), 16) << refreshHz;
  }
}

}  // namespace
}  // namespace orvane::renderer
