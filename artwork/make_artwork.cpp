// Writes every picture the programs keep as resources into the folder given, for the
// resource compiler:   make_artwork FOLDER
// The bitmaps are 24-bit Windows bitmap files, the preview a JPEG file.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "artwork/bitmap_file.h"
#include "artwork/button_faces.h"
#include "artwork/dialog_pictures.h"
#include "artwork/glow_picture.h"
#include "artwork/jpeg_file.h"
#include "artwork/preview_picture.h"

namespace {

struct PictureFile {
  std::string name;
  std::string bytes;
};

std::vector<PictureFile> AllPictureFiles() {
  using namespace orvane::artwork;
  std::vector<PictureFile> files;
  for (const orvane::button::FacePicture face : orvane::button::kFacePictures) {
    files.push_back({ButtonFaceFileName(face), BitmapFileBytes(PaintButtonFace(face))});
  }
  files.push_back({"dialog_mark_unselected.bmp", BitmapFileBytes(PaintMark(false))});
  files.push_back({"dialog_mark_selected.bmp", BitmapFileBytes(PaintMark(true))});
  files.push_back({"dialog_tile.bmp", BitmapFileBytes(PaintTile())});
  files.push_back({"glow_texture.bmp", BitmapFileBytes(PaintGlowTexture())});
  files.push_back({"preview_picture.jpg", JpegFileBytes(PaintPreviewPicture(), 90)});
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_artwork FOLDER\n";
    return 2;
  }
  for (const PictureFile& picture : AllPictureFiles()) {
    const std::string path = std::string(argv[1]) + "/" + picture.name;
    std::ofstream file(path, std::ios::binary);
    file << picture.bytes;
    if (!file) {
      std::cerr << "cannot write " << path << "\n";
      return 1;
    }
  }
  return 0;
}
