#include "x_screen.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdint>
#include <cstdlib>
#include <stdexcept>

namespace orvane::e2e {
namespace {

// Windows come and go while the screen is looked at; a request about one that has just gone
// fails, and that is not a reason to end the test.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

XScreen::XScreen(const std::string& display) : display_(XOpenDisplay(display.c_str())) {
  if (!display_) throw std::runtime_error("cannot open X display " + display);
  XSetErrorHandler(IgnoreError);
}

XScreen::~XScreen() { XCloseDisplay(display_); }

int XScreen::Width() const { return DisplayWidth(display_, DefaultScreen(display_)); }
int XScreen::Height() const { return DisplayHeight(display_, DefaultScreen(display_)); }

Picture XScreen::Capture() {
  Picture image{Width(), Height(), std::vector<Rgb>(static_cast<std::size_t>(Width()) * Height())};
  XImage* x = XGetImage(display_, DefaultRootWindow(display_), 0, 0, image.width, image.height,
                        AllPlanes, ZPixmap);
  if (!x) throw std::runtime_error("cannot read the screen");
  const bool plain32Bit = x->bits_per_pixel == 32 && x->red_mask == 0xFF0000 &&
                          x->green_mask == 0xFF00 && x->blue_mask == 0xFF;
  for (int y = 0; y < image.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(x->data + static_cast<std::size_t>(y) *
                                                                           x->bytes_per_line);
    for (int px = 0; px < image.width; ++px) {
      // The usual layout is read as it stands: much faster than a call per pixel.
      const unsigned long pixel = plain32Bit ? row[px] : XGetPixel(x, px, y);
      image.pixels[static_cast<std::size_t>(y * image.width + px)] = {
          static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
          static_cast<std::uint8_t>(pixel)};
    }
  }
  XDestroyImage(x);
  return image;
}

void XScreen::SetDesktopPicture(const Picture& picture) {
  const int screen = DefaultScreen(display_);
  const Window root = DefaultRootWindow(display_);
  const Pixmap pixmap = XCreatePixmap(display_, root, picture.width, picture.height,
                                      DefaultDepth(display_, screen));
  XImage* image =
      XCreateImage(display_, DefaultVisual(display_, screen), DefaultDepth(display_, screen),
                   ZPixmap, 0, nullptr, picture.width, picture.height, 32, 0);
  image->data = static_cast<char*>(
      std::malloc(static_cast<std::size_t>(image->bytes_per_line) * picture.height));
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const Rgb colour = picture.At(x, y);
      XPutPixel(image, x, y,
                static_cast<unsigned long>(colour.red << 16 | colour.green << 8 | colour.blue));
    }
  }
  const GC gc = XCreateGC(display_, pixmap, 0, nullptr);
  XPutImage(display_, pixmap, gc, image, 0, 0, 0, 0, picture.width, picture.height);
  XSetWindowBackgroundPixmap(display_, root, pixmap);
  XClearWindow(display_, root);
  XFreeGC(display_, gc);
  XFreePixmap(display_, pixmap);
  XDestroyImage(image);
  XSync(display_, False);
}

bool XScreen::WindowShown(const std::string& title) {
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  const Window desktop = DefaultRootWindow(display_);
  if (!XQueryTree(display_, desktop, &root, &parent, &children, &count)) return false;
  bool shown = false;
  for (unsigned int i = 0; i < count && !shown; ++i) {
    char* name = nullptr;
    XWindowAttributes attributes;
    if (XFetchName(display_, children[i], &name) && name) {
      shown = title == name && XGetWindowAttributes(display_, children[i], &attributes) &&
              attributes.map_state == IsViewable;
      XFree(name);
    }
  }
  if (children) XFree(children);
  return shown;
}

}  // namespace orvane::e2e
