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

// The rig's display keeps each pixel in 32 bits as 0xRRGGBB; read as it stands, far faster
// than a call per pixel.
Picture XScreen::Capture() {
  XImage* x = XGetImage(display_, DefaultRootWindow(display_), 0, 0, Width(), Height(), AllPlanes, ZPixmap);
  if (!x || x->bits_per_pixel != 32) throw std::runtime_error("cannot read the screen");
  Picture image{x->width, x->height, {}};
  image.pixels.reserve(std::size_t(image.width) * image.height);
  for (int y = 0; y < image.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(x->data + std::size_t(y) * x->bytes_per_line);
    for (int px = 0; px < image.width; ++px) {
      image.pixels.push_back({std::uint8_t(row[px] >> 16), std::uint8_t(row[px] >> 8), std::uint8_t(row[px])});
    }
  }
  XDestroyImage(x);
  return image;
}

void XScreen::SetDesktopPicture(const Picture& picture) {
  const int screen = DefaultScreen(display_);
  const Window root = DefaultRootWindow(display_);
  // The image owns the pixels, and frees them with itself.
  auto* pixels = static_cast<std::uint32_t*>(std::malloc(picture.pixels.size() * sizeof(std::uint32_t)));
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    pixels[i] = std::uint32_t(picture.pixels[i].red << 16 | picture.pixels[i].green << 8 | picture.pixels[i].blue);
  }
  XImage* image = XCreateImage(display_, DefaultVisual(display_, screen), DefaultDepth(display_, screen), ZPixmap,
                               0, reinterpret_cast<char*>(pixels), picture.width, picture.height, 32, 0);
  const Pixmap pixmap = XCreatePixmap(display_, root, picture.width, picture.height, DefaultDepth(display_, screen));
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
