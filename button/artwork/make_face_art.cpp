// Writes the button's six face pictures as 24-bit bitmap files into the folder given, for
// the resource compiler:   make_face_art FOLDER
#include <fstream>
#include <iostream>

#include "button/artwork/bitmap_file.h"
#include "button/artwork/face_art.h"

int main(int argc, char** argv) {
  using namespace orvane::button;
  if (argc != 2) {
    std::cerr << "usage: make_face_art FOLDER\n";
    return 2;
  }
  for (FacePicture face : kFacePictures) {
    const std::string path = std::string(argv[1]) + "/" + artwork::FaceArtFileName(face);
    std::ofstream file(path, std::ios::binary);
    file << artwork::BitmapFileBytes(artwork::PaintFaceArt(face));
    if (!file) {
      std::cerr << "cannot write " << path << "\n";
      return 1;
    }
  }
  return 0;
}
