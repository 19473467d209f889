// The pictures the build draws, as they must look, and the files they go into as a reader sees them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include <jpeglib.h>

#include "artwork/bitmap_file.h"
#include "artwork/button_faces.h"
#include "artwork/dialog_pictures.h"
#include "artwork/glow_texture.h"
#include "artwork/jpeg_file.h"
#include "artwork/preview_picture.h"

namespace orvane::artwork {
namespace {

using button::FacePicture;

int Difference(const Rgb& a, const Rgb& b) {
  return std::abs(a.red - b.red) + std::abs(a.green - b.green) + std::abs(a.blue - b.blue);
}
int Spread(const Rgb& c) { return std::max({c.red, c.green, c.blue}) - std::min({c.red, c.green, c.blue}); }

TEST(ButtonFaces, EachIsARoundedBorderDarkerThanTheRingInsideItGlowingInItsColour) {
  constexpr Rgb kDialog{0xEC, 0xE9, 0xD8}, kBlueBorder{0x00, 0x3C, 0x74}, kGreyBorder{0xC9, 0xC7, 0xBA};
  enum class Glow { kNone, kOrange, kBlue };
  const struct {
    FacePicture face;
    int depth;  // of the border, from the edge: pressed in, it lies one pixel further
    Rgb border;
    Glow glow;
  } rows[] = {{FacePicture::kNormal, 1, kBlueBorder, Glow::kNone},
              {FacePicture::kHighLight, 1, kBlueBorder, Glow::kOrange},
              {FacePicture::kHighLightSelect, 1, kBlueBorder, Glow::kOrange},
              {FacePicture::kSelected, 1, kBlueBorder, Glow::kBlue},
              {FacePicture::kPressed, 2, kBlueBorder, Glow::kNone},
              {FacePicture::kDisable, 1, kGreyBorder, Glow::kNone}};
  for (const auto& row : rows) {
    const Picture face = PaintButtonFace(row.face);
    ASSERT_EQ(face.width * face.height, 64 * 25);
    for (int y = 0; y < 25; ++y) {
      for (int x = 0; x < 64; ++x) {
        const int across = std::min(x, 63 - x), down = std::min(y, 24 - y), depth = std::min(across, down);
        const Rgb pixel = face.At(x, y);
        const std::string where = ButtonFaceFileName(row.face) + " at " + std::to_string(x) + "," + std::to_string(y);
        // The corners are rounded off to the dialog behind; the border runs straight between them.
        EXPECT_TRUE(across + down > row.depth || pixel == kDialog) << where;
        EXPECT_TRUE(std::max(across, down) < row.depth + 2 || depth != row.depth || pixel == row.border) << where;
        // Inside the border the ring is lighter, and glows orange or blue or not at all.
        if (depth > row.depth && depth < 4) {
          EXPECT_GT(Difference(pixel, {}), Difference(row.border, {}) + 100) << where;
          const bool glows = row.glow == Glow::kOrange ? pixel.red > pixel.blue + 40
                             : row.glow == Glow::kBlue ? pixel.blue > pixel.red + 20 : Spread(pixel) < 20;
          EXPECT_TRUE(glows || std::max(across, down) < 4) << where;
        }
      }
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

TEST(GlowTexture, IsANearGreyPatchBrightestInTheMiddleFadingToBlackAtTheEdges) {
  const Picture glow = PaintGlowTexture();
  ASSERT_EQ(glow.width * glow.height, 128 * 128);
  EXPECT_NEAR(glow.At(64, 64).green, 220, 3);
  for (const Rgb& pixel : glow.pixels) ASSERT_TRUE(Spread(pixel) <= 12 && pixel.green <= 230);
  for (const int edge : {0, 127}) EXPECT_EQ(Difference(glow.At(edge, 64), {}) + Difference(glow.At(64, edge), {}), 0);
  EXPECT_LT(glow.At(96, 64).green, 110) << "not faded halfway out";
}

TEST(PreviewPicture, IsADarkSceneWithBlueAndYellowCharactersInABaselineJfifAt96Dpi) {
  const Picture picture = PaintPreviewPicture();
  long brightness = 0;
  int blue = 0, yellow = 0;
  for (const Rgb& pixel : picture.pixels) {
    brightness += pixel.red + pixel.green + pixel.blue;
    blue += pixel.blue > 180 && pixel.blue > pixel.red + 80;
    yellow += pixel.red > 180 && pixel.green > 150 && pixel.blue < pixel.red - 80;
  }
  EXPECT_LT(brightness / (3.0 * picture.pixels.size()), 40) << "not a dark scene";
  EXPECT_GT(std::min(blue, yellow), 100) << "too few blue or yellow characters";

  const std::string bytes = JpegFileBytes(picture, 90);
  jpeg_decompress_struct reader{};
  jpeg_error_mgr errors{};
  reader.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&reader);
  jpeg_mem_src(&reader, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  ASSERT_EQ(jpeg_read_header(&reader, TRUE), JPEG_HEADER_OK);
  EXPECT_TRUE(reader.saw_JFIF_marker && !reader.progressive_mode && reader.num_components == 3);
  EXPECT_EQ(reader.density_unit, 1);  // dots per inch
  EXPECT_EQ(reader.X_density, 96);
  EXPECT_EQ(reader.Y_density, 96);
  jpeg_start_decompress(&reader);
  EXPECT_EQ(reader.output_width * reader.output_height, 152u * 112u);
  jpeg_destroy_decompress(&reader);
}

}  // namespace
}  // namespace orvane::artwork
