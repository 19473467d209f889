#include "artwork/jpeg_file.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace orvane::artwork {

std::string JpegFileBytes(const Picture& picture, int quality) {
  jpeg_compress_struct compression{};
  jpeg_error_mgr errors{};
  compression.err = jpeg_std_error(&errors);
  jpeg_create_compress(&compression);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&compression, &buffer, &size);

  compression.image_width = static_cast<JDIMENSION>(picture.width);
  compression.image_height = static_cast<JDIMENSION>(picture.height);
  compression.input_components = 3;
  compression.in_color_space = JCS_RGB;
  jpeg_set_defaults(&compression);
  jpeg_set_quality(&compression, quality, TRUE);
  // Full colour resolution: no decoder has to guess the colours between sharp edges.
  for (int component = 0; component < compression.num_components; ++component) {
    compression.comp_info[component].h_samp_factor = 1;
    compression.comp_info[component].v_samp_factor = 1;
  }
  compression.write_JFIF_header = TRUE;
  compression.JFIF_major_version = 1;
  compression.JFIF_minor_version = 1;
  compression.density_unit = 1;  // dots per inch
  compression.X_density = 96;
  compression.Y_density = 96;

  jpeg_start_compress(&compression, TRUE);
  std::vector<JSAMPLE> row(static_cast<std::size_t>(picture.width) * 3);
  while (compression.next_scanline < compression.image_height) {
    const int y = static_cast<int>(compression.next_scanline);
    for (int x = 0; x < picture.width; ++x) {
      const Rgb pixel = picture.At(x, y);
      row[x * 3] = pixel.red;
      row[x * 3 + 1] = pixel.green;
      row[x * 3 + 2] = pixel.blue;
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&compression, rows, 1);
  }
  jpeg_finish_compress(&compression);
  jpeg_destroy_compress(&compression);
  std::string bytes(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

}  // namespace orvane::artwork
