#include "renderer/scene/grey_image.h"

#include <gtest/gtest.h>

namespace orvane::renderer {
namespace {

TEST(GreyImage, GlowSpreadsEvenlyAroundAGlyphFadingWithDistanceInsideItsCell) {
  GreyImage atlas(32, 16);  // two cells of 16 x 16
  atlas.At(8, 8) = 255;
  GreyImage full(16, 16);
  full.pixels.assign(full.pixels.size(), 255);

  const GreyImage glowing = WithGlow(atlas, 16, 2, 4.0f);

  EXPECT_EQ(glowing.At(8, 8), 255);
  EXPECT_EQ(glowing.At(6, 8), glowing.At(10, 8));
  EXPECT_EQ(glowing.At(8, 6), glowing.At(8, 10));
  EXPECT_GT(glowing.At(9, 8), glowing.At(10, 8));
  EXPECT_GT(glowing.At(10, 8), glowing.At(11, 8));
  EXPECT_GT(glowing.At(11, 8), 0);
  EXPECT_EQ(glowing.At(13, 8), 0);  // beyond two passes of radius 2
  for (int y = 0; y < 16; ++y) {
    for (int x = 16; x < 32; ++x) ASSERT_EQ(glowing.At(x, y), 0) << x << "," << y;
  }
  EXPECT_EQ(WithGlow(full, 16, 3, 2.0f).pixels, full.pixels);
}

TEST(GreyImage, CellsAreFoundByTheirInkCopiedWholeAndAveragedDownForSmallerLevels) {
  GreyImage atlas(4, 4);  // four cells of 2 x 2, cell n filled with n + 1 and its corner marked
  for (int cell = 0; cell < 4; ++cell) {
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 2; ++x) atlas.At(cell % 2 * 2 + x, cell / 2 * 2 + y) = static_cast<std::uint8_t>(cell + 1);
    }
    atlas.At(cell % 2 * 2, cell / 2 * 2) = static_cast<std::uint8_t>(10 * (cell + 1));
  }
  GreyImage blank(32, 32);
  blank.At(31, 16) = 1;  // the last pixel of the fourth cell's top row

  const GreyImage arranged = ArrangeCells(atlas, 2, 3, 1, [](int column, int) { return 3 - column; });
  const std::vector<GreyImage> levels = SmallerLevels(atlas);

  EXPECT_FALSE(CellHasInk(blank, 16, 2));
  EXPECT_TRUE(CellHasInk(blank, 16, 3));
  EXPECT_EQ(arranged.width, 6);
  EXPECT_EQ(arranged.pixels, (std::vector<std::uint8_t>{40, 4, 30, 3, 20, 2, 4, 4, 3, 3, 2, 2}));
  ASSERT_EQ(levels.size(), 2u);
  // Rounded means of 2 x 2 blocks, halves up: 13 / 4 to 3, 26 / 4 to 7, 39 / 4 to 10.
  EXPECT_EQ(levels[0].pixels, (std::vector<std::uint8_t>{3, 7, 10, 13}));
  EXPECT_EQ(levels[1].pixels, (std::vector<std::uint8_t>{8}));
  EXPECT_EQ(SmallerLevels(GreyImage(8, 2)).back().width, 1);
}

}  // namespace
}  // namespace orvane::renderer
