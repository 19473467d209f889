#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "artwork/bitmap_file.h"

struct _XDisplay;

namespace orvane::e2e {

using artwork::Picture;
using artwork::Rgb;

// Keeps a picture, a screenshot say, as a 24-bit bitmap file.
inline void SaveBitmap(const Picture& picture, const std::filesystem::path& file) {
  std::ofstream(file, std::ios::binary) << artwork::BitmapFileBytes(picture);
}

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
  Picture Capture();
  // Shows `picture` as the desktop: the root window's background.
  void SetDesktopPicture(const Picture& picture);
  // Whether a window with this exact title is mapped on the screen now. Wine gives each
  // shown top-level window an X window of the same name.
  bool WindowShown(const std::string& title);

 private:
  _XDisplay* display_;
};

}  // namespace orvane::e2e
