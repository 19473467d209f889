// Writes the shipped model: model_generator PATH (assets/3dOrvane.x in the repository).
#include <cstdio>
#include <fstream>

#include "assets/generator/orvane_model.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.x\n", argv[0]);
    return 2;
  }
  std::ofstream file(argv[1], std::ios::binary);
  file << orvane::assets::OrvaneModelText();
  return file.good() ? 0 : 1;
}
