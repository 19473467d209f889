// The button's face pictures as the build draws them, and the bitmap files they go into.
#include "artwork/button_faces.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "artwork/bitmap_file.h"

namespace orvane::artwork {
namespace {

using button::FacePicture;

constexpr Rgb kDialog{0xEC, 0xE9, 0xD8};
constexpr Rgb kBlueBorder{0x00, 0x3C, 0x74};
constexpr Rgb kGreyBorder{0xC9, 0xC7, 0xBA};

int Sum(const Rgb& c) { return c.red + c.green + c.blue; }

enum class Glow { kNone, kOrange, kBlue };

TEST(FaceArt, EachFaceIsARoundedBorderDarkerThanTheRingInsideItGlowingInItsColour) {
  const struct {
    FacePicture face;
    int depth;  // of the border, from the edge
    Rgb border;
    Glow glow;
  } rows[] = {{FacePicture::kNormal, 1, kBlueBorder, Glow::kNone},
              {FacePicture::kHighLight, 1, kBlueBorder, Glow::kOrange},
              {FacePicture::kHighLightSelect, 1, kBlueBorder, Glow::kOrange},
              {FacePicture::kSelected, 1, kBlueBorder, Glow::kBlue},
              {FacePicture::kPressed, 2, kBlueBorder, Glow::kNone},  // pressed in: one pixel further
              {FacePicture::kDisable, 1, kGreyBorder, Glow::kNone}};
  for (const auto& row : rows) {
    const Picture face = PaintButtonFace(row.face);
    const std::string name = ButtonFaceFileName(row.face);
    ASSERT_EQ(face.width, 64);
    ASSERT_EQ(face.height, 25);
    const int b = row.depth;
    for (int y = 0; y < 25; ++y) {
      for (int x = 0; x < 64; ++x) {
        const int across = std::min(x, 63 - x), down = std::min(y, 24 - y);
        const Rgb pixel = face.At(x, y);
        // The corners are rounded off to the dialog behind; the border runs straight between them.
        if (across + down <= b) {
          EXPECT_EQ(pixel, kDialog) << name << " at " << x << "," << y;
        }
        if ((across == b && down >= b + 2) || (down == b && across >= b + 2)) {
          EXPECT_EQ(pixel, row.border) << name << " at " << x << "," << y;
        }
        if (std::min(across, down) > b && std::min(across, down) < 4) {
          EXPECT_GT(Sum(pixel), Sum(row.border) + 100) << name << " at " << x << "," << y;
        }
      }
    }
    // The ring inside the border, at the middle of each side.
    for (const auto& [x, y] : {std::pair{30, b + 1}, {30, 23 - b}, {b + 1, 12}, {62 - b, 12}, {30, 3}, {30, 21}, {3, 12}, {60, 12}}) {
      const Rgb pixel = face.At(x, y);
      const int spread = std::max({pixel.red, pixel.green, pixel.blue}) - std::min({pixel.red, pixel.green, pixel.blue});
      const bool inColour = row.glow == Glow::kOrange ? pixel.red > pixel.blue + 40
                            : row.glow == Glow::kBlue ? pixel.blue > pixel.red + 20
                                                      : spread < 20;
      EXPECT_TRUE(inColour) << name << " at " << x << "," << y;
    }
  }
  EXPECT_EQ(PaintButtonFace(FacePicture::kHighLight).pixels, PaintButtonFace(FacePicture::kHighLightSelect).pixels);
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
  EXPECT_EQ(bytes.substr(54), std::string("\x99\x88\x77\xCC\xBB\xAA\x00\x00"
                                          "\x33\x22\x11\x66\x55\x44\x00\x00", 16));
}

}  // namespace
}  // namespace orvane::artwork
