#include "x_screen.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

#include <cstdint>
#include <stdexcept>


namespace orvane::e2e {

namespace {

// Windows come and go while the screen is looked at; a request about one that has just gone
// fails, and that is not a reason to end the test.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

}  // namespace

struct XScreen::Connection {
  Display* display = nullptr;
  Window root = 0;
};

XScreen::XScreen(const std::string& display) : connection_(new Connection) {
  connection_->display = XOpenDisplay(display.c_str());
  if (!connection_->display) {
    delete connection_;
    throw std::runtime_error("cannot open X display " + display);
  }
  connection_->root = DefaultRootWindow(connection_->display);
  XSetErrorHandler(IgnoreError);
}

XScreen::~XScreen() {
  XCloseDisplay(connection_->display);
  delete connection_;
}

int XScreen::Width() const { return DisplayWidth(connection_->display, DefaultScreen(connection_->display)); }
int XScreen::Height() const { return DisplayHeight(connection_->display, DefaultScreen(connection_->display)); }

ScreenImage XScreen::Capture() {
  ScreenImage image(Width(), Height());
  XImage* x = XGetImage(connection_->display, connection_->root, 0, 0, image.width(),
                        image.height(), AllPlanes, ZPixmap);
  if (!x) throw std::runtime_error("cannot read the screen");
  const bool plain32Bit = x->bits_per_pixel == 32 && x->red_mask == 0xFF0000 &&
                          x->green_mask == 0xFF00 && x->blue_mask == 0xFF;
  for (int y = 0; y < image.height(); ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(x->data + static_cast<std::size_t>(y) * x->bytes_per_line);
    for (int px = 0; px < image.width(); ++px) {
      // The usual layout is read as it stands: much faster than a call per pixel.
      const unsigned long pixel = plain32Bit ? row[px] : XGetPixel(x, px, y);
      image.Set(px, y, {static_cast<int>(pixel >> 16 & 0xFF), static_cast<int>(pixel >> 8 & 0xFF),
                        static_cast<int>(pixel & 0xFF)});
    }
  }
  XDestroyImage(x);
  return image;
}

ScreenImage XScreen::Pointer() {
  XFixesCursorImage* cursor = XFixesGetCursorImage(connection_->display);
  if (!cursor) throw std::runtime_error("cannot read the mouse pointer");
  ScreenImage image(cursor->width, cursor->height);
  for (int y = 0; y < cursor->height; ++y) {
    for (int x = 0; x < cursor->width; ++x) {
      // Premultiplied ARGB, in an unsigned long each.
      const unsigned long pixel = cursor->pixels[y * cursor->width + x];
      image.Set(x, y, {static_cast<int>(pixel >> 16 & 0xFF), static_cast<int>(pixel >> 8 & 0xFF),
                       static_cast<int>(pixel & 0xFF)});
    }
  }
  XFree(cursor);
  return image;
}

void XScreen::SetDesktopPicture(const ScreenImage& picture) {
  Display* display = connection_->display;
  const int screen = DefaultScreen(display);
  const Pixmap pixmap = XCreatePixmap(display, connection_->root, picture.width(), picture.height(),
                                      DefaultDepth(display, screen));
  XImage* image = XCreateImage(display, DefaultVisual(display, screen), DefaultDepth(display, screen),
                               ZPixmap, 0, nullptr, picture.width(), picture.height(), 32, 0);
  image->data = static_cast<char*>(malloc(static_cast<std::size_t>(image->bytes_per_line) * picture.height()));
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const Rgb colour = picture.At(x, y);
      XPutPixel(image, x, y, static_cast<unsigned long>(colour.red << 16 | colour.green << 8 | colour.blue));
    }
  }
  const GC gc = XCreateGC(display, pixmap, 0, nullptr);
  XPutImage(display, pixmap, gc, image, 0, 0, 0, 0, picture.width(), picture.height());
  XSetWindowBackgroundPixmap(display, connection_->root, pixmap);
  XClearWindow(display, connection_->root);
  XFreeGC(display, gc);
  XFreePixmap(display, pixmap);
  XDestroyImage(image);
  XSync(display, False);
}

bool XScreen::WindowShown(const std::string& title) {
  Display* display = connection_->display;
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, connection_->root, &root, &parent, &children, &count)) return false;
  bool shown = false;
  for (unsigned int i = 0; i < count && !shown; ++i) {
    char* name = nullptr;
    XWindowAttributes attributes;
    if (XFetchName(display, children[i], &name) && name) {
      shown = title == name && XGetWindowAttributes(display, children[i], &attributes) &&
              attributes.map_state == IsViewable;
      XFree(name);
    }
  }
  if (children) XFree(children);
  return shown;
}

}  // namespace orvane::e2e
