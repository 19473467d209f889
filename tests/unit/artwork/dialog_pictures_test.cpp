#include "artwork/dialog_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace orvane::artwork {
namespace {

int Difference(const Rgb& a, const Rgb& b) {
  return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

TEST(DialogArt, TheMarksAreRingsOnThePanelColourAndOnlyTheSelectedOneHasADot) {
  const Picture unselected = PaintMark(false);
  const Picture selected = PaintMark(true);

  ASSERT_EQ(unselected.width, 12);
  ASSERT_EQ(unselected.height, 12);
  ASSERT_EQ(selected.pixels.size(), 144u);
  for (const Picture* mark : {&unselected, &selected}) {
    EXPECT_EQ(mark->At(0, 0), kPanelColour);
    EXPECT_EQ(mark->At(11, 11), kPanelColour);
    const Rgb ring = mark->At(1, 6);
    EXPECT_LT(ring.red + ring.green + ring.blue, 3 * 150) << "no dark ring";
  }
  EXPECT_EQ(unselected.At(6, 6), (Rgb{255, 255, 255}));
  EXPECT_EQ(selected.At(6, 6), (Rgb{32, 48, 96}));
  // Outside the dot the two are the same picture.
  for (int y = 0; y < 12; ++y) {
    for (const int x : {0, 1, 2, 9, 10, 11}) EXPECT_EQ(unselected.At(x, y), selected.At(x, y)) << x << "," << y;
  }
}

TEST(DialogArt, TheTileIsPaleAndItsLastRowRunsOnIntoItsFirst) {
  const Picture tile = PaintTile();

  ASSERT_EQ(tile.width, 556);
  ASSERT_EQ(tile.height, 20);
  int steepestStep = 0;
  int seam = 0;
  int darkest = 3 * 255;
  for (int x = 0; x < tile.width; ++x) {
    for (int y = 0; y + 1 < tile.height; ++y) {
      steepestStep = std::max(steepestStep, Difference(tile.At(x, y), tile.At(x, y + 1)));
    }
    seam = std::max(seam, Difference(tile.At(x, tile.height - 1), tile.At(x, 0)));
    for (int y = 0; y < tile.height; ++y) {
      const Rgb pixel = tile.At(x, y);
      darkest = std::min(darkest, pixel.red + pixel.green + pixel.blue);
    }
  }
  // Stacked tiles meet no more sharply than the rows of one tile do.
  EXPECT_LE(seam, steepestStep);
  // Black text stays readable everywhere on it.
  EXPECT_GT(darkest, 3 * 190);
}

}  // namespace
}  // namespace orvane::artwork
