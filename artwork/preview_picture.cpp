#include "artwork/preview_picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "preview/preview_window.h"

namespace orvane::artwork {

using preview::kPreviewHeight;
using preview::kPreviewWidth;

namespace {

// Characters of 5 x 7 dots, shaped after katakana and digits.
constexpr std::array<std::array<const char*, 7>, 10> kGlyphs = {{
    {"#####", "....#", "...#.", "..#..", ".#...", "#....", "....."},
    {"..#..", "#####", "..#..", ".#.#.", "#...#", ".....", "....."},
    {"#...#", "#...#", ".#..#", "...#.", "..#..", "##...", "....."},
    {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."},
    {"#####", "....#", "..##.", "..#..", "..#..", ".#...", "#...."},
    {"..#..", "..#..", "#####", "..#..", "..#..", "..#..", "..#.."},
    {"##.##", "....#", "....#", "...#.", "..#..", ".#...", "#...."},
    {".#...", "#####", ".#..#", ".#..#", ".#.#.", "#....", "....."},
    {"#....", "#....", "####.", "#...#", "#....", "#....", ".####"},
    {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."},
}};
constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;
constexpr int kColumnPitch = 8;
constexpr int kRowPitch = 9;

struct Light {
  double red = 0;
  double green = 0;
  double blue = 0;
};

constexpr Light kBlue{70, 150, 255};
constexpr Light kYellow{255, 215, 70};

// A small generator of its own, so the picture is the same wherever it is drawn.
class Draw {
 public:
  std::uint32_t Next() { return state_ = state_ * 1664525u + 1013904223u; }
  int Below(int limit) { return static_cast<int>((Next() >> 8) % static_cast<std::uint32_t>(limit)); }

 private:
  std::uint32_t state_ = 0x0C0FFEE1;
};

class Canvas {
 public:
  Canvas() : light_(kPreviewWidth * kPreviewHeight) {}

  void Add(int x, int y, const Light& colour, double strength) {
    if (x < 0 || y < 0 || x >= kPreviewWidth || y >= kPreviewHeight) return;
    Light& at = light_[y * kPreviewWidth + x];
    at.red += colour.red * strength;
    at.green += colour.green * strength;
    at.blue += colour.blue * strength;
  }

  void Glyph(int glyph, int left, int top, int scale, const Light& colour, double strength) {
    for (int row = 0; row < kGlyphHeight; ++row) {
      for (int column = 0; column < kGlyphWidth; ++column) {
        if (kGlyphs[glyph][row][column] != '#') continue;
        for (int dy = 0; dy < scale; ++dy) {
          for (int dx = 0; dx < scale; ++dx) {
            Add(left + column * scale + dx, top + row * scale + dy, colour, strength);
          }
        }
      }
    }
  }

  // The light spread over its neighbourhood and added back, so the characters glow.
  void Glow(int radius, double strength) {
    const std::vector<Light> sharp = light_;
    const int side = 2 * radius + 1;
    for (int y = 0; y < kPreviewHeight; ++y) {
      for (int x = 0; x < kPreviewWidth; ++x) {
        Light sum;
        for (int dy = -radius; dy <= radius; ++dy) {
          for (int dx = -radius; dx <= radius; ++dx) {
            const int sx = std::clamp(x + dx, 0, kPreviewWidth - 1);
            const int sy = std::clamp(y + dy, 0, kPreviewHeight - 1);
            const Light& at = sharp[sy * kPreviewWidth + sx];
            sum.red += at.red, sum.green += at.green, sum.blue += at.blue;
          }
        }
        const double share = strength / (side * side);
        Add(x, y, {sum.red * share, sum.green * share, sum.blue * share}, 1.0);
      }
    }
  }

  Picture ToPicture() const {
    Picture picture{kPreviewWidth, kPreviewHeight, {}};
    for (int y = 0; y < kPreviewHeight; ++y) {
      // The night sky: black at the top, the deepest blue at the bottom.
      const double depth = static_cast<double>(y) / (kPreviewHeight - 1);
      for (int x = 0; x < kPreviewWidth; ++x) {
        const Light& at = light_[y * kPreviewWidth + x];
        const auto channel = [](double value) {
          return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0)));
        };
        picture.pixels.push_back({channel(at.red + 2 * depth), channel(at.green + 4 * depth),
                                  channel(at.blue + 8 + 14 * depth)});
      }
    }
    return picture;
  }

 private:
  std::vector<Light> light_;
};

}  // namespace

Picture PaintPreviewPicture() {
  Draw draw;
  Canvas canvas;
  // A few large glyphs far behind.
  const struct {
    int glyph, left, top;
    const Light& colour;
  } large[] = {{3, 10, 14, kBlue}, {6, 64, 48, kYellow}, {1, 112, 20, kBlue}};
  for (const auto& glyph : large) canvas.Glyph(glyph.glyph, glyph.left, glyph.top, 4, glyph.colour, 0.22);

  // Columns of small characters falling: bright at the head, fading up the trail.
  for (int left = 1; left + kGlyphWidth <= kPreviewWidth; left += kColumnPitch) {
    if (draw.Below(5) == 0) continue;  // some columns are empty
    const Light& colour = draw.Below(3) == 0 ? kYellow : kBlue;
    const int head = draw.Below(kPreviewHeight / kRowPitch + 4);
    const int length = 3 + draw.Below(8);
    for (int step = 0; step < length; ++step) {
      const int row = head - step;
      if (row < 0) break;
      const double strength = step == 0 ? 1.0 : 0.75 * std::pow(0.8, step);
      canvas.Glyph(draw.Below(static_cast<int>(kGlyphs.size())), left, row * kRowPitch, 1, colour,
                   strength);
    }
  }
  canvas.Glow(2, 1.6);
  return canvas.ToPicture();
}

}  // namespace orvane::artwork
