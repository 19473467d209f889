#pragma once

#include <string>

#include "screen_image.h"

struct _XDisplay;

namespace orvane::e2e {

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
  _XDisplay* display_;
};

}  // namespace orvane::e2e
