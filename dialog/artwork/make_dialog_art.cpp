// Writes the settings dialog's pictures as 24-bit bitmap files into the folder given, for
// the resource compiler:   make_dialog_art FOLDER
#include <fstream>
#include <iostream>
#include <string>

#include "button/artwork/bitmap_file.h"
#include "dialog/artwork/dialog_art.h"

int main(int argc, char** argv) {
  using namespace orvane::dialog::artwork;
  if (argc != 2) {
    std::cerr << "usage: make_dialog_art FOLDER\n";
    return 2;
  }
  const std::pair<const char*, Picture> pictures[] = {
      {"dialog_mark_unselected.bmp", PaintMark(false)},
      {"dialog_mark_selected.bmp", PaintMark(true)},
      {"dialog_tile.bmp", PaintTile()},
  };
  for (const auto& [name, picture] : pictures) {
    const std::string path = std::string(argv[1]) + "/" + name;
    std::ofstream file(path, std::ios::binary);
    file << orvane::button::artwork::BitmapFileBytes(picture);
    if (!file) {
      std::cerr << "cannot write " << path << "\n";
      return 1;
    }
  }
  return 0;
}
