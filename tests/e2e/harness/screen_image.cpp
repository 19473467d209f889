#include "screen_image.h"

#include <fstream>
#include <stdexcept>

#include "child_process.h"
#include "wine_session.h"

namespace orvane::e2e {

ScreenImage ScreenImage::Load(const std::filesystem::path& picture) {
  // A binary PPM: "P6", width, height and the largest value, then red, green, blue bytes.
  const std::filesystem::path pixelFile = picture.string() + ".ppm";
  ChildProcess convert({"convert", picture.string(), "-depth", "8", "ppm:" + pixelFile.string()},
                       WineSession::Current().Environment(), picture.string() + ".log");
  if (convert.WaitForExit(std::chrono::seconds(30)) != 0) {
    throw std::runtime_error("cannot read " + picture.string());
  }
  std::filesystem::remove(picture.string() + ".log");
  std::ifstream file(pixelFile, std::ios::binary);
  std::string magic;
  int largest = 0;
  ScreenImage image;
  file >> magic >> image.width_ >> image.height_ >> largest;
  file.get();
  if (magic != "P6" || largest != 255) throw std::runtime_error("not a PPM: " + pixelFile.string());
  image.pixels_.resize(static_cast<std::size_t>(image.width_) * image.height_);
  for (Rgb& pixel : image.pixels_) {
    pixel.red = file.get();
    pixel.green = file.get();
    pixel.blue = file.get();
  }
  std::filesystem::remove(pixelFile);
  return image;
}

void ScreenImage::SavePng(const std::filesystem::path& file) const {
  const std::filesystem::path pixelFile = file.string() + ".ppm";
  {
    std::ofstream out(pixelFile, std::ios::binary);
    out << "P6\n" << width_ << " " << height_ << "\n255\n";
    for (const Rgb& pixel : pixels_) {
      out.put(static_cast<char>(pixel.red)).put(static_cast<char>(pixel.green)).put(static_cast<char>(pixel.blue));
    }
  }
  ChildProcess convert({"convert", "ppm:" + pixelFile.string(), file.string()},
                       WineSession::Current().Environment(), file.string() + ".log");
  convert.WaitForExit(std::chrono::seconds(60));
  std::filesystem::remove(pixelFile);
  std::filesystem::remove(file.string() + ".log");
  std::filesystem::remove(file.string() + ".log.stderr");
}

}  // namespace orvane::e2e
