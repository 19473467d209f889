#include "renderer/scene/grey_image.h"

#include <gtest/gtest.h>

namespace orvane::renderer {
namespace {

TEST(GreyImage, GlowSpreadsEvenlyAroundAGlyphFadingWithDistanceInsideItsCell) {
  GreyImage atlas(32, 16);  // two cells of 16 x 16
  atlas.At(8, 8) = 255;

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
}

TEST(GreyImage, GlowOnAFullCellStaysAtFullBrightness) {
  GreyImage atlas(16, 16);
  atlas.pixels.assign(atlas.pixels.size(), 255);

  const GreyImage glowing = WithGlow(atlas, 16, 3, 2.0f);

  for (const std::uint8_t pixel : glowing.pixels) ASSERT_EQ(pixel, 255);
}

TEST(GreyImage, OnlyCellsWithSomethingDrawnHaveInk) {
  GreyImage atlas(32, 32);
  atlas.At(31, 16) = 1;  // the last pixel of the fourth cell's top row

  EXPECT_FALSE(CellHasInk(atlas, 16, 0));
  EXPECT_FALSE(CellHasInk(atlas, 16, 1));
  EXPECT_FALSE(CellHasInk(atlas, 16, 2));
  EXPECT_TRUE(CellHasInk(atlas, 16, 3));
}

TEST(GreyImage, ArrangedCellsAreCopiesOfTheChosenAtlasCells) {
  GreyImage atlas(4, 4);  // four cells of 2 x 2, cell n filled with n + 1 and its corner marked
  for (int cell = 0; cell < 4; ++cell) {
    const int left = cell % 2 * 2, top = cell / 2 * 2;
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 2; ++x) atlas.At(left + x, top + y) = static_cast<std::uint8_t>(cell + 1);
    }
    atlas.At(left, top) = static_cast<std::uint8_t>(10 * (cell + 1));
  }

  const GreyImage arranged = ArrangeCells(atlas, 2, 3, 1, [](int column, int) { return 3 - column; });

  EXPECT_EQ(arranged.width, 6);
  EXPECT_EQ(arranged.height, 2);
  EXPECT_EQ(arranged.pixels, (std::vector<std::uint8_t>{40, 4, 30, 3, 20, 2,  //
                                                         4, 4, 3, 3, 2, 2}));
}

TEST(GreyImage, SmallerLevelsAverageTwoByTwoBlocksDownToOnePixel) {
  GreyImage image(4, 4);
  image.pixels = {0,   10,  100, 100,  //
                  20,  30,  100, 101,  //
                  255, 255, 0,   0,    //
                  255, 254, 0,   1};

  const std::vector<GreyImage> levels = SmallerLevels(image);

  ASSERT_EQ(levels.size(), 2u);
  EXPECT_EQ(levels[0].width, 2);
  EXPECT_EQ(levels[0].pixels, (std::vector<std::uint8_t>{15, 100, 255, 0}));
  EXPECT_EQ(levels[1].pixels, (std::vector<std::uint8_t>{93}));
  EXPECT_EQ(SmallerLevels(GreyImage(512, 512)).size(), 9u);
  EXPECT_EQ(SmallerLevels(GreyImage(8, 2)).back().width, 1);
}

}  // namespace
}  // namespace orvane::renderer
