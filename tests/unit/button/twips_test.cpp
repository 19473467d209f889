// Twips to pixels as the drawing surface converts the button's geometry.
#include "platform/twips.h"

#include <gtest/gtest.h>

#include "platform/drawing_surface.h"

namespace orvane::platform {
namespace {

std::string Pixels(const TwipsRect& rect, int twipsPerPixel) {
  const Rect r = TwipsRectToPixels(rect, twipsPerPixel, twipsPerPixel);
  return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
         " " + std::to_string(r.bottom);
}

TEST(Twips, AtFifteenPerPixelTheFramePiecesFallOnWholePixels) {
  EXPECT_EQ(Pixels({1, 1, 60, 60}, 15), "0 0 4 4");          // top-left corner
  EXPECT_EQ(Pixels({60, 1, 1635, 60}, 15), "4 0 113 4");     // top edge
  EXPECT_EQ(Pixels({1695, 1, 60, 60}, 15), "113 0 117 4");   // top-right corner
  EXPECT_EQ(Pixels({1695, 60, 60, 300}, 15), "113 4 117 24");
  EXPECT_EQ(Pixels({1, 360, 60, 60}, 15), "0 24 4 28");      // bottom-left corner
  EXPECT_EQ(Pixels({0, 102.5, 1755, 195}, 15), "0 7 117 20");  // caption
}

TEST(Twips, ThePicturesPartsAreWholePixelsOfTheSixtyFourByTwentyFivePicture) {
  EXPECT_EQ(Pixels({60, 1, 840, 60}, kPictureTwipsPerPixel), "4 0 60 4");
  EXPECT_EQ(Pixels({900, 315, 60, 60}, kPictureTwipsPerPixel), "60 21 64 25");
  EXPECT_EQ(Pixels({1, 60, 60, 255}, kPictureTwipsPerPixel), "0 4 4 21");
}

TEST(Twips, AtOtherScreenFactorsTheFrameKeepsItsSixtyTwipsAndThePiecesStillMeet) {
  // 120 dpi: a 146-pixel button is 1752 twips wide.
  EXPECT_EQ(Pixels({1, 1, 60, 60}, 12), "0 0 5 5");
  EXPECT_EQ(Pixels({60, 1, 1632, 60}, 12), "5 0 141 5");
  EXPECT_EQ(Pixels({1692, 1, 60, 60}, 12), "141 0 146 5");
  EXPECT_EQ(Pixels({0, 102.5, 1752, 195}, 12), "0 9 146 25");
  // 144 dpi and 72 dpi.
  EXPECT_EQ(Pixels({1, 1, 60, 60}, 10), "0 0 6 6");
  EXPECT_EQ(Pixels({1, 1, 60, 60}, 20), "0 0 3 3");
}

TEST(Twips, HalfPixelsGoUpAndNegativePlacesStayInOrder) {
  EXPECT_EQ(TwipsToPixels(7.5, 15), 1);
  EXPECT_EQ(TwipsToPixels(7.4, 15), 0);
  EXPECT_EQ(TwipsToPixels(-7.5, 15), 0);
  EXPECT_EQ(TwipsToPixels(-32.5, 15), -2);
}

}  // namespace
}  // namespace orvane::platform
