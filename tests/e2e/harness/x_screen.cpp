#include "x_screen.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>
#include <fstream>
#include <stdexcept>

#include "child_process.h"

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
  ScreenImage image{Width(), Height(), {}};
  XImage* x = XGetImage(connection_->display, connection_->root, 0, 0, image.width, image.height,
                        AllPlanes, ZPixmap);
  if (!x) throw std::runtime_error("cannot read the screen");
  image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
  const bool plain32Bit = x->bits_per_pixel == 32 && x->red_mask == 0xFF0000 &&
                          x->green_mask == 0xFF00 && x->blue_mask == 0xFF;
  for (int y = 0; y < image.height; ++y) {
    std::uint32_t* row = &image.pixels[static_cast<std::size_t>(y) * image.width];
    if (plain32Bit) {
      // The usual layout, read as it stands: much faster than a call per pixel.
      std::memcpy(row, x->data + static_cast<std::size_t>(y) * x->bytes_per_line, image.width * 4u);
      for (int px = 0; px < image.width; ++px) row[px] &= 0xFFFFFF;
    } else {
      for (int px = 0; px < image.width; ++px) {
        row[px] = static_cast<std::uint32_t>(XGetPixel(x, px, y)) & 0xFFFFFF;
      }
    }
  }
  XDestroyImage(x);
  return image;
}

void XScreen::SetDesktopPicture(const ScreenImage& picture) {
  Display* display = connection_->display;
  const int screen = DefaultScreen(display);
  const Pixmap pixmap = XCreatePixmap(display, connection_->root, picture.width, picture.height,
                                      DefaultDepth(display, screen));
  XImage* image = XCreateImage(display, DefaultVisual(display, screen), DefaultDepth(display, screen),
                               ZPixmap, 0, nullptr, picture.width, picture.height, 32, 0);
  image->data = static_cast<char*>(malloc(static_cast<std::size_t>(image->bytes_per_line) * picture.height));
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) XPutPixel(image, x, y, picture.At(x, y));
  }
  const GC gc = XCreateGC(display, pixmap, 0, nullptr);
  XPutImage(display, pixmap, gc, image, 0, 0, 0, 0, picture.width, picture.height);
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

void ScreenImage::SavePng(const std::filesystem::path& file) const {
  const std::filesystem::path ppm = file.string() + ".ppm";
  {
    std::ofstream out(ppm, std::ios::binary);
    out << "P6\n" << width << " " << height << "\n255\n";
    for (const std::uint32_t pixel : pixels) {
      out.put(static_cast<char>(pixel >> 16)).put(static_cast<char>(pixel >> 8)).put(static_cast<char>(pixel));
    }
  }
  ChildProcess convert({"convert", ppm.string(), file.string()}, {"PATH=/usr/bin:/bin"},
                       file.string() + ".log");
  convert.WaitForExit(std::chrono::seconds(60));
  std::filesystem::remove(ppm);
  std::filesystem::remove(file.string() + ".log");
  std::filesystem::remove(file.string() + ".log.stderr");
}

}  // namespace orvane::e2e
