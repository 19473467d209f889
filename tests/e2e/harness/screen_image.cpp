#include "screen_image.h"

#include <fstream>
#include <stdexcept>

#include "wine_session.h"

namespace orvane::e2e {
namespace {

// Runs ImageMagick's convert, leaving no log behind.
bool Convert(const std::string& from, const std::string& to) {
  const std::filesystem::path log = to.substr(to.find(':') + 1) + ".log";
  const bool converted = ChildProcess({"convert", from, "-depth", "8", to}, log)
                             .WaitForExit(std::chrono::seconds(60)) == 0;
  std::filesystem::remove(log);
  std::filesystem::remove(log.string() + ".stderr");
  return converted;
}

}  // namespace

// Pictures pass as binary PPM: "P6", width, height and the largest value, then red, green and
// blue bytes.
ScreenImage ScreenImage::Load(const std::filesystem::path& picture) {
  const std::string pixelFile = picture.string() + ".ppm";
  if (!Convert(picture.string(), "ppm:" + pixelFile)) {
    throw std::runtime_error("cannot read " + picture.string());
  }
  std::ifstream file(pixelFile, std::ios::binary);
  std::string magic;
  int largest = 0;
  ScreenImage image;
  file >> magic >> image.width_ >> image.height_ >> largest;
  file.get();
  if (magic != "P6" || largest != 255) throw std::runtime_error("not a PPM: " + pixelFile);
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
  const std::string pixelFile = file.string() + ".ppm";
  {
    std::ofstream out(pixelFile, std::ios::binary);
    out << "P6\n" << width_ << " " << height_ << "\n255\n";
    for (const Rgb& pixel : pixels_) {
      out.put(static_cast<char>(pixel.red))
          .put(static_cast<char>(pixel.green))
          .put(static_cast<char>(pixel.blue));
    }
  }
  Convert("ppm:" + pixelFile, "png:" + file.string());
  std::filesystem::remove(pixelFile);
}

}  // namespace orvane::e2e
