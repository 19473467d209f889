// The pictures the build draws, as they must look, and the files they go into as a reader sees them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "artwork/bitmap_file.h"
#include "artwork/dialog_pictures.h"

namespace orvane::artwork {
namespace {

int Difference(const Rgb& a, const Rgb& b) {
  return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}

TEST(BitmapFile, HoldsA24BitPictureBottomRowFirstInBlueGreenRedOrder) {
  const Picture picture{2, 2, {{0x11, 0x22, 0x33}, {0x44, 0x55, 0x66}, {0x77, 0x88, 0x99}, {0xAA, 0xBB, 0xCC}}};

  const std::string bytes = BitmapFileBytes(picture);

  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(bytes.substr(2, 4), std::string("\x46\x00\x00\x00", 4));   // file size 70
  EXPECT_EQ(bytes.substr(10, 4), std::string("\x36\x00\x00\x00", 4));  // pixels at 54
  EXPECT_EQ(bytes.substr(22, 4), std::string("\x02\x00\x00\x00", 4));  // height 2: bottom-up
  EXPECT_EQ(bytes.substr(28, 2), std::string("\x18\x00", 2));          // 24 bits per pixel
  // Rows of 6 bytes are padded to 8.
  EXPECT_EQ(bytes.substr(54), std::string("\x99\x88\x77\xCC\xBB\xAA\x00\x00\x33\x22\x11\x66\x55\x44\x00\x00", 16));
}

TEST(DialogPictures, TheMarksAreDarkRingsWithADotOnlyWhenSelectedAndTheTileIsPaleAndSeamless) {
  for (const bool selected : {false, true}) {
    const Picture mark = PaintMark(selected);
    ASSERT_EQ(mark.width * mark.height, 144);
    EXPECT_EQ(mark.At(0, 0), kPanelColour);
    EXPECT_LT(Difference(mark.At(1, 6), {}), 3 * 150) << "no dark ring";
    EXPECT_EQ(Difference(mark.At(6, 6), {}) < 3 * 150, selected) << "a dot where it does not belong, or none";
  }
  const Picture tile = PaintTile();
  ASSERT_EQ(tile.width * tile.height, 556 * 20);
  int steepestStep = 0, seam = 0;
  for (int x = 0; x < tile.width; ++x) {
    for (int y = 0; y < tile.height; ++y) {
      ASSERT_LT(Difference(tile.At(x, y), {255, 255, 255}), 3 * 65) << "black text would not stand out";
      if (y > 0) steepestStep = std::max(steepestStep, Difference(tile.At(x, y - 1), tile.At(x, y)));
    }
    seam = std::max(seam, Difference(tile.At(x, tile.height - 1), tile.At(x, 0)));
  }
  // Stacked tiles meet no more sharply than the rows of one tile do.
  EXPECT_LE(seam, steepestStep);
}

}  // namespace
}  // namespace orvane::artwork
