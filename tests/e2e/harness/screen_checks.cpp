#include "screen_checks.h"

#include <algorithm>
#include <cstdlib>

namespace orvane::e2e {
namespace {

// A column in the lowest bits of a pixel's colours: its top four bits in blue, then three in
// green, then three in red, each three counting down where the bits above are odd, so that next
// columns differ by one level of one colour and no stripes show.
Rgb WithColumn(const Rgb& p, int column) {
  const int high = column >> 6 & 15, middle = column >> 3 & 7, low = column & 7;
  return {std::uint8_t((p.red & ~7) | (middle % 2 ? 7 - low : low)),
          std::uint8_t((p.green & ~7) | (high % 2 ? 7 - middle : middle)), std::uint8_t((p.blue & ~15) | high)};
}

int ColumnOf(const Rgb& p) {
  const int high = p.blue & 15, middle = high % 2 ? 7 - (p.green & 7) : p.green & 7;
  return high << 6 | middle << 3 | (middle % 2 ? 7 - (p.red & 7) : p.red & 7);
}

void Fill(Picture& image, int left, int top, int width, int height, Rgb colour) {
  for (int y = std::max(top, 0); y < std::min(top + height, image.height); ++y) {
    for (int x = std::max(left, 0); x < std::min(left + width, image.width); ++x) {
      image.pixels[std::size_t(y) * image.width + x] = colour;
    }
  }
}

// A window with a blue title bar and its three buttons, and lines of grey text on white.
void DrawWindow(Picture& image, int left, int top, int width, int height) {
  Fill(image, left - 1, top - 1, width + 2, height + 2, {90, 90, 100});
  Fill(image, left, top, width, 26, {40, 90, 200});
  for (int button = 1; button <= 3; ++button) Fill(image, left + width - 26 * button, top + 5, 20, 16, {200, 210, 235});
  Fill(image, left, top + 26, width, height - 26, {250, 250, 250});
  for (int y = top + 40; y < top + height - 16; y += 18) Fill(image, left + 16, y, (width - 32) * (5 + y % 5) / 10, 6, {150, 150, 160});
}

}  // namespace

Picture UserDesktop(int width, int height, const std::vector<Area>& monitors) {
  Picture image{width, height, std::vector<Rgb>(std::size_t(width) * height, Rgb{40, 40, 40})};
  for (const Area& area : monitors) {
    // A blue sky over a green field, in flat colours that the column's bits leave without bands.
    const int horizon = area.height * 2 / 3;
    Fill(image, area.left, area.top, area.width, horizon, {90, 150, 220});
    Fill(image, area.left, area.top + horizon, area.width, area.height - horizon, {60, 130, 60});
    // Icons: a folder, a document, the recycle bin and the browser, each over its white label.
    const Rgb icons[] = {{240, 200, 80}, {245, 245, 245}, {170, 175, 185}, {70, 140, 225}};
    for (int i = 0; i < 4; ++i) {
      Fill(image, area.left + 28, area.top + 24 + i * 92, 48, 44, icons[i]);
      Fill(image, area.left + 20, area.top + 74 + i * 92, 64, 9, {250, 250, 250});
    }
    const bool primary = &area == &monitors.front();
    if (primary) Fill(image, area.left, area.top + area.height - 32, area.width, 32, {28, 36, 56});
    DrawWindow(image, area.left + area.width * (primary ? 3 : 4) / 10, area.top + area.height / (primary ? 6 : 4),
               area.width * (primary ? 9 : 8) / 20, area.height * (primary ? 10 : 8) / 20);
    for (int y = area.top; y < area.top + area.height; ++y) {
      for (int x = 0; x < area.width; ++x) {
        Rgb& pixel = image.pixels[std::size_t(y) * width + area.left + x];
        pixel = WithColumn(pixel, x);
      }
    }
  }
  return image;
}

Picture Crop(const Picture& image, const Area& area) {
  Picture part{area.width, area.height, {}};
  for (int y = 0; y < area.height; ++y) {
    for (int x = 0; x < area.width; ++x) part.pixels.push_back(image.At(area.left + x, area.top + y));
  }
  return part;
}

int SlideShift(const Picture& image) {
  const int last = image.width - 1;
  const int shift = ColumnOf(image.At(0, 1));
  if (shift <= 0) return 0;
  for (int y = 1; y < image.height; y += 2) {
    int black = 0;
    for (int x = 0; x <= last; ++x) black += image.At(x, y) == Rgb{0, 0, 0};
    if (ColumnOf(image.At(0, y)) != shift || last - ColumnOf(image.At(last, y)) != shift ||
        std::abs(black - 2 * shift) > 2) {
      return 0;
    }
  }
  return shift;
}

bool AddNewShift(std::vector<int>& shifts, int shift) {
  if (shift <= 0 || (!shifts.empty() && shift <= shifts.back())) return false;
  shifts.push_back(shift);
  return true;
}

SceneLook LookAt(const Picture& image) {
  const int width = image.width, height = image.height;
  int lit = 0, blue = 0, yellow = 0, centreCount = 0, edgeCount = 0;
  double centreSum = 0, edgeSum = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb p = image.At(x, y);
      lit += std::max({p.red, p.green, p.blue}) > 40;
      blue += p.blue > 60 && p.blue > p.red + 40;
      yellow += p.red > 100 && p.green > 70 && p.blue < p.red * 2 / 3;
      if (x > width / 3 && x < width * 2 / 3 && y > height / 3 && y < height * 2 / 3) {
        centreSum += p.red + p.green + p.blue;
        ++centreCount;
      } else if (x < width / 10 || x > width * 9 / 10) {
        edgeSum += p.red + p.green + p.blue;
        ++edgeCount;
      }
    }
  }
  const int total = width * height;
  return {lit > total / 100 && blue > total / 500 && yellow > total / 2000,
          centreSum / std::max(centreCount, 1) > 2 * edgeSum / std::max(edgeCount, 1) + 20};
}

}  // namespace orvane::e2e
