#include "artwork/glow_texture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane::artwork {
namespace {

TEST(GlowTexture, IsANearGreyPatchBrightestInTheMiddleFadingToBlackAtTheEdges) {
  const Picture glow = PaintGlowTexture();

  ASSERT_EQ(glow.width, 128);
  ASSERT_EQ(glow.height, 128);
  const Rgb middle = glow.At(64, 64);
  EXPECT_NEAR(middle.green, 220, 3);
  for (const Rgb& pixel : glow.pixels) {
    const auto [low, high] = std::minmax({pixel.red, pixel.green, pixel.blue});
    ASSERT_LE(high - low, 12) << "not near grey";
    ASSERT_LE(high, 230);
  }
  for (const int edge : {0, 127}) {
    EXPECT_EQ(glow.At(edge, 64), (Rgb{0, 0, 0}));
    EXPECT_EQ(glow.At(64, edge), (Rgb{0, 0, 0}));
  }
  // Halfway out it has faded well below the middle.
  EXPECT_LT(glow.At(96, 64).green, middle.green / 2);
}

}  // namespace
}  // namespace orvane::artwork
