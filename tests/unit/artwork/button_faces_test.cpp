// The face pictures that the build draws: their rings, and the bitmap files they go into.
#include "artwork/button_faces.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "artwork/bitmap_file.h"

namespace orvane::artwork {

void PrintTo(const Rgb& colour, std::ostream* out) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", colour.red, colour.green, colour.blue);
  *out << text;
}

namespace {

using button::FacePicture;

constexpr Rgb Hex(std::uint32_t rgb) {
  return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
          static_cast<std::uint8_t>(rgb)};
}

struct Sample {
  int x;
  int y;
  std::uint32_t colour;
};

void ExpectPixels(FacePicture face, std::initializer_list<Sample> samples) {
  const Picture picture = PaintButtonFace(face);
  ASSERT_EQ(picture.width, 64);
  ASSERT_EQ(picture.height, 25);
  for (const Sample& s : samples) {
    EXPECT_EQ(picture.At(s.x, s.y), Hex(s.colour)) << ButtonFaceFileName(face) << " at " << s.x
                                                   << "," << s.y;
  }
}

TEST(FaceArt, NormalHasABlueBorderOnePixelInWithLightInsidesAndRoundedCorners) {
  ExpectPixels(FacePicture::kNormal,
               {{30, 0, 0xDCD6C2}, {30, 1, 0x003C74}, {30, 2, 0xF3F3EE}, {30, 3, 0xF3F3EE},
                {30, 21, 0xE2DFD6}, {30, 22, 0xD6D0C5}, {30, 23, 0x003C74}, {30, 24, 0xFAFAF6},
                {0, 12, 0xE2DECB}, {1, 12, 0x003C74}, {2, 12, 0xF3F3EE}, {3, 12, 0xF3F3EE},
                {63, 12, 0xF0EEE0}, {62, 12, 0x003C74}, {61, 4, 0xE8E5DF}, {60, 20, 0xEEEDE7},
                {1, 1, 0x7A95A8}, {2, 1, 0x255783}, {1, 2, 0x255783}, {3, 1, 0x003C74},
                {0, 0, 0xECE9D8}, {62, 23, 0x7A95A8}, {63, 24, 0xECE9D8}});
}

TEST(FaceArt, HighlightGlowsOrangeInsideTheBorderAndHighlightSelectIsTheSame) {
  for (const FacePicture face : {FacePicture::kHighLight, FacePicture::kHighLightSelect}) {
    ExpectPixels(face, {{30, 1, 0x003C74}, {30, 2, 0xFFF0CF}, {30, 3, 0xFDD889},
                        {30, 21, 0xF8B330}, {30, 22, 0xE59700}, {30, 23, 0x003C74},
                        {30, 24, 0xFAFAF6}, {2, 4, 0xFAC459}, {3, 20, 0xF8B535},
                        {61, 4, 0xFAC459}, {60, 20, 0xF8B535}, {1, 12, 0x003C74}});
  }
}

TEST(FaceArt, SelectedGlowsBlueInsideTheBorder) {
  ExpectPixels(FacePicture::kSelected,
               {{30, 2, 0xCEE7FF}, {30, 3, 0xCEE7FF}, {30, 21, 0x6982EE}, {30, 22, 0x6982EE},
                {30, 23, 0x003C74}, {2, 4, 0xA5C3EE}, {2, 20, 0x8BADE4}, {62, 12, 0x003C74}});
}

TEST(FaceArt, PressedHasItsWholeFrameOnePixelFurtherIn) {
  ExpectPixels(FacePicture::kPressed,
               {{30, 0, 0xECE9D8}, {30, 1, 0xDCD6C2}, {30, 2, 0x003C74}, {30, 3, 0xD1CCC1},
                {30, 21, 0xF2F2EE}, {30, 22, 0x003C74}, {30, 23, 0xFAFAF6}, {30, 24, 0xECE9D8},
                {0, 12, 0xECE9D8}, {2, 12, 0x003C74}, {3, 12, 0xD7D4CB}, {61, 12, 0x003C74},
                {60, 12, 0xE4E3DB}, {1, 1, 0xECE9D8}, {2, 2, 0x69849B}, {4, 2, 0x003C74}});
}

TEST(FaceArt, DisableHasAGreyBorderOnPaleInsides) {
  ExpectPixels(FacePicture::kDisable,
               {{30, 0, 0xECE9D8}, {30, 1, 0xC9C7BA}, {30, 2, 0xF5F4EA}, {30, 22, 0xF5F4EA},
                {30, 23, 0xC9C7BA}, {30, 24, 0xECE9D8}, {1, 12, 0xC9C7BA}, {62, 12, 0xC9C7BA},
                {3, 12, 0xF5F4EA}});
}

TEST(BitmapFile, HoldsA24BitPictureBottomRowFirstInBlueGreenRedOrder) {
  Picture picture{2, 2, {Hex(0x112233), Hex(0x445566), Hex(0x778899), Hex(0xAABBCC)}};

  const std::string bytes = BitmapFileBytes(picture);

  // Rows of 6 bytes are padded to 8.
  EXPECT_EQ(bytes.size(), 14u + 40u + 16u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(bytes.substr(2, 4), std::string("\x46\x00\x00\x00", 4));   // file size 70
  EXPECT_EQ(bytes.substr(10, 4), std::string("\x36\x00\x00\x00", 4));  // pixels at 54
  EXPECT_EQ(bytes.substr(22, 4), std::string("\x02\x00\x00\x00", 4));  // height 2: bottom-up
  EXPECT_EQ(bytes.substr(28, 2), std::string("\x18\x00", 2));          // 24 bits per pixel
  EXPECT_EQ(bytes.substr(54), std::string("\x99\x88\x77\xCC\xBB\xAA\x00\x00"
                                          "\x33\x22\x11\x66\x55\x44\x00\x00",
                                          16));
}

}  // namespace
}  // namespace orvane::artwork
