// The preview's still picture, and the JPEG file it goes into as a reader sees it.
#include "artwork/preview_picture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "artwork/jpeg_file.h"

namespace orvane::artwork {
namespace {

TEST(PreviewPicture, IsADarkSceneWithGlowingBlueAndYellowCharacters) {
  const Picture picture = PaintPreviewPicture();

  ASSERT_EQ(picture.width, 152);
  ASSERT_EQ(picture.height, 112);
  long brightness = 0;
  int blue = 0, yellow = 0;
  for (const Rgb& pixel : picture.pixels) {
    brightness += pixel.red + pixel.green + pixel.blue;
    if (pixel.blue > 180 && pixel.blue > pixel.red + 80) ++blue;
    if (pixel.red > 180 && pixel.green > 150 && pixel.blue < pixel.red - 80) ++yellow;
  }
  EXPECT_LT(static_cast<double>(brightness) / (3.0 * picture.pixels.size()), 40) << "not a dark scene";
  EXPECT_GT(blue, 100) << "too few blue characters";
  EXPECT_GT(yellow, 100) << "too few yellow characters";
}

TEST(PreviewPicture, ItsFileIsABaselineColourJfifAt96DpiThatReadsBackAsDrawn) {
  const Picture picture = PaintPreviewPicture();
  const std::string bytes = JpegFileBytes(picture, 90);

  jpeg_decompress_struct reader{};
  jpeg_error_mgr errors{};
  reader.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&reader);
  jpeg_mem_src(&reader, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  ASSERT_EQ(jpeg_read_header(&reader, TRUE), JPEG_HEADER_OK);
  EXPECT_TRUE(reader.saw_JFIF_marker);
  EXPECT_FALSE(reader.progressive_mode);
  EXPECT_EQ(reader.density_unit, 1);  // dots per inch
  EXPECT_EQ(reader.X_density, 96);
  EXPECT_EQ(reader.Y_density, 96);
  EXPECT_EQ(reader.num_components, 3);
  jpeg_start_decompress(&reader);
  ASSERT_EQ(reader.output_width, 152u);
  ASSERT_EQ(reader.output_height, 112u);
  std::vector<unsigned char> row(152 * 3);
  long error = 0;
  while (reader.output_scanline < reader.output_height) {
    const int y = static_cast<int>(reader.output_scanline);
    unsigned char* rows[] = {row.data()};
    jpeg_read_scanlines(&reader, rows, 1);
    for (int x = 0; x < picture.width; ++x) {
      const Rgb drawn = picture.At(x, y);
      error += std::abs(row[x * 3] - drawn.red) + std::abs(row[x * 3 + 1] - drawn.green) +
               std::abs(row[x * 3 + 2] - drawn.blue);
    }
  }
  jpeg_finish_decompress(&reader);
  jpeg_destroy_decompress(&reader);
  // Quality 90 keeps every channel within a few steps on average.
  EXPECT_LT(static_cast<double>(error) / (3.0 * picture.pixels.size()), 3.0);
}

}  // namespace
}  // namespace orvane::artwork
