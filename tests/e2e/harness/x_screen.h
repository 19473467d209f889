#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orvane::e2e {

// A picture of the screen, or one to put on it: 0x00RRGGBB pixels, row by row.
struct ScreenImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  // Writes the picture as a PNG file (through ImageMagick's convert).
  void SavePng(const std::filesystem::path& file) const;
};

// The Wine session's X display, read and written directly through Xlib: far faster than a
// screenshot program, so a test can catch the frames of a short effect.
class XScreen {
 public:
  explicit XScreen(const std::string& display);
  ~XScreen();
  XScreen(const XScreen&) = delete;
  XScreen& operator=(const XScreen&) = delete;

  int Width() const;
  int Height() const;
  ScreenImage Capture();
  // Shows `picture` as the desktop: the root window's background.
  void SetDesktopPicture(const ScreenImage& picture);
  // Whether a window with this exact title is mapped on the screen now. Wine gives each
  // shown top-level window an X window of the same name.
  bool WindowShown(const std::string& title);

 private:
  struct Connection;
  Connection* connection_;
};

}  // namespace orvane::e2e
