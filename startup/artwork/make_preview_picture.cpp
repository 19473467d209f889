// Writes the preview's still picture as a JPEG file, for the resource compiler:
//   make_preview_picture OUTPUT.jpg
#include <fstream>
#include <iostream>

#include "startup/artwork/jpeg_file.h"
#include "startup/artwork/preview_picture.h"

int main(int argc, char** argv) {
  using namespace orvane::startup::artwork;
  if (argc != 2) {
    std::cerr << "usage: make_preview_picture OUTPUT.jpg\n";
    return 2;
  }
  std::ofstream file(argv[1], std::ios::binary);
  file << JpegFileBytes(PaintPreviewPicture(), 90);
  if (!file) {
    std::cerr << "cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
