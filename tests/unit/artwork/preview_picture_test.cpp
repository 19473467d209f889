#include "artwork/preview_picture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include <jpeglib.h>

#include "artwork/jpeg_file.h"

namespace orvane::artwork {
namespace {

std::size_t FindMarker(const std::string& bytes, unsigned char marker) {
  for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
    if (static_cast<unsigned char>(bytes[i]) == 0xFF && static_cast<unsigned char>(bytes[i + 1]) == marker) {
      return i;
    }
  }
  return std::string::npos;
}

unsigned Byte(const std::string& bytes, std::size_t at) { return static_cast<unsigned char>(bytes[at]); }

TEST(PreviewPicture, IsABaselineJfif101FileOf152By112InThreeComponents) {
  const std::string bytes = JpegFileBytes(PaintPreviewPicture(), 90);

  ASSERT_GT(bytes.size(), 20u);
  EXPECT_EQ(bytes.substr(0, 4), "\xFF\xD8\xFF\xE0");
  EXPECT_EQ(bytes.substr(6, 5), std::string("JFIF\0", 5));
  EXPECT_EQ(Byte(bytes, 11), 1u);   // version 1.01
  EXPECT_EQ(Byte(bytes, 12), 1u);
  EXPECT_EQ(Byte(bytes, 13), 1u);   // dots per inch
  EXPECT_EQ(Byte(bytes, 15), 96u);  // 96 across
  EXPECT_EQ(Byte(bytes, 17), 96u);  // and down

  const std::size_t frame = FindMarker(bytes, 0xC0);  // baseline
  ASSERT_NE(frame, std::string::npos);
  EXPECT_EQ(FindMarker(bytes, 0xC2), std::string::npos) << "progressive";
  EXPECT_EQ(Byte(bytes, frame + 4), 8u);                                  // bits per sample
  EXPECT_EQ(Byte(bytes, frame + 5) << 8 | Byte(bytes, frame + 6), 112u);  // height
  EXPECT_EQ(Byte(bytes, frame + 7) << 8 | Byte(bytes, frame + 8), 152u);  // width
  EXPECT_EQ(Byte(bytes, frame + 9), 3u);                                  // components
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\xFF\xD9");
}

TEST(PreviewPicture, IsADarkSceneWithGlowingBlueAndYellowCharacters) {
  const Picture picture = PaintPreviewPicture();

  long brightness = 0;
  int blue = 0;
  int yellow = 0;
  for (const Rgb& pixel : picture.pixels) {
    brightness += pixel.red + pixel.green + pixel.blue;
    if (pixel.blue > 180 && pixel.blue > pixel.red + 80) ++blue;
    if (pixel.red > 180 && pixel.green > 150 && pixel.blue < pixel.red - 80) ++yellow;
  }
  const double average = static_cast<double>(brightness) / (3.0 * picture.pixels.size());
  EXPECT_LT(average, 40) << "not a dark scene";
  EXPECT_GT(blue, 100) << "too few blue characters";
  EXPECT_GT(yellow, 100) << "too few yellow characters";
}

TEST(PreviewPicture, DecodesBackToThePictureDrawn) {
  const Picture picture = PaintPreviewPicture();
  const std::string bytes = JpegFileBytes(picture, 90);

  jpeg_decompress_struct decompression{};
  jpeg_error_mgr errors{};
  decompression.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&decompression);
  jpeg_mem_src(&decompression, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  ASSERT_EQ(jpeg_read_header(&decompression, TRUE), JPEG_HEADER_OK);
  jpeg_start_decompress(&decompression);
  std::vector<unsigned char> row(decompression.output_width * 3);
  long error = 0;
  while (decompression.output_scanline < decompression.output_height) {
    const int y = static_cast<int>(decompression.output_scanline);
    unsigned char* rows[] = {row.data()};
    jpeg_read_scanlines(&decompression, rows, 1);
    for (int x = 0; x < picture.width; ++x) {
      const Rgb drawn = picture.At(x, y);
      error += std::abs(row[x * 3] - drawn.red) + std::abs(row[x * 3 + 1] - drawn.green) +
               std::abs(row[x * 3 + 2] - drawn.blue);
    }
  }
  jpeg_finish_decompress(&decompression);
  jpeg_destroy_decompress(&decompression);
  // Quality 90 keeps every channel within a few steps on average.
  EXPECT_LT(static_cast<double>(error) / (3.0 * picture.pixels.size()), 3.0);
}

}  // namespace
}  // namespace orvane::artwork
