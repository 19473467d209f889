// The dialog's marks and the panel's tile as the build draws them.
#include "artwork/dialog_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace orvane::artwork {
namespace {

int Difference(const Rgb& a, const Rgb& b) {
  return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

TEST(DialogArt, TheMarksAreDarkRingsOnThePanelColourAndOnlyTheSelectedOneHasADot) {
  const Picture unselected = PaintMark(false);
  const Picture selected = PaintMark(true);

  ASSERT_EQ(unselected.width * unselected.height, 144);
  ASSERT_EQ(selected.pixels.size(), 144u);
  for (const Picture* mark : {&unselected, &selected}) {
    EXPECT_EQ(mark->At(0, 0), kPanelColour);
    EXPECT_EQ(mark->At(11, 11), kPanelColour);
    EXPECT_LT(Difference(mark->At(1, 6), {}), 3 * 150) << "no dark ring";
  }
  EXPECT_EQ(unselected.At(6, 6), (Rgb{255, 255, 255}));
  EXPECT_LT(Difference(selected.At(6, 6), {}), 3 * 150) << "no dot";
  // Outside the dot the two are the same picture.
  for (int y = 0; y < 12; ++y) {
    for (const int x : {0, 1, 2, 9, 10, 11}) EXPECT_EQ(unselected.At(x, y), selected.At(x, y)) << x << "," << y;
  }
}

TEST(DialogArt, TheTileIsPaleAndItsLastRowRunsOnIntoItsFirst) {
  const Picture tile = PaintTile();

  ASSERT_EQ(tile.width, 556);
  ASSERT_EQ(tile.height, 20);
  int steepestStep = 0, seam = 0, darkest = 3 * 255;
  for (int x = 0; x < tile.width; ++x) {
    for (int y = 0; y < tile.height; ++y) {
      if (y + 1 < tile.height) steepestStep = std::max(steepestStep, Difference(tile.At(x, y), tile.At(x, y + 1)));
      darkest = std::min(darkest, 3 * 255 - Difference(tile.At(x, y), {255, 255, 255}));
    }
    seam = std::max(seam, Difference(tile.At(x, tile.height - 1), tile.At(x, 0)));
  }
  // Stacked tiles meet no more sharply than the rows of one tile do, and black text stays
  // readable everywhere on it.
  EXPECT_LE(seam, steepestStep);
  EXPECT_GT(darkest, 3 * 190);
}

}  // namespace
}  // namespace orvane::artwork
