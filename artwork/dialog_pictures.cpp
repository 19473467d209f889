#include "artwork/dialog_pictures.h"

#include <algorithm>
#include <cmath>

namespace orvane::artwork {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr Rgb kInk{32, 48, 96};
constexpr Rgb kRingInside{255, 255, 255};
constexpr Rgb kVein{196, 210, 232};

Rgb Mix(const Rgb& from, const Rgb& to, double amount) {
  const auto channel = [amount](std::uint8_t a, std::uint8_t b) {
    return static_cast<std::uint8_t>(std::lround(a + (b - a) * std::clamp(amount, 0.0, 1.0)));
  };
  return {channel(from.red, to.red), channel(from.green, to.green), channel(from.blue, to.blue)};
}

// The colour of a point of the mark, measured from the mark's centre.
Rgb MarkColourAt(double distance, bool selected) {
  constexpr double kRingOuter = 5.6;
  constexpr double kRingInner = 4.2;
  constexpr double kDot = 2.3;
  if (distance > kRingOuter) return kPanelColour;
  if (distance > kRingInner) return kInk;
  if (selected && distance <= kDot) return kInk;
  return kRingInside;
}

}  // namespace

Picture PaintMark(bool selected) {
  // Each pixel is the average of 4 x 4 points inside it, which smooths the round edges.
  constexpr int kSamples = 4;
  constexpr double kCentre = kMarkSize / 2.0;
  Picture mark{kMarkSize, kMarkSize, {}};
  for (int y = 0; y < kMarkSize; ++y) {
    for (int x = 0; x < kMarkSize; ++x) {
      int red = 0, green = 0, blue = 0;
      for (int sy = 0; sy < kSamples; ++sy) {
        for (int sx = 0; sx < kSamples; ++sx) {
          const double dx = x + (sx + 0.5) / kSamples - kCentre;
          const double dy = y + (sy + 0.5) / kSamples - kCentre;
          const Rgb point = MarkColourAt(std::hypot(dx, dy), selected);
          red += point.red, green += point.green, blue += point.blue;
        }
      }
      constexpr int kPoints = kSamples * kSamples;
      mark.pixels.push_back({static_cast<std::uint8_t>((red + kPoints / 2) / kPoints),
                             static_cast<std::uint8_t>((green + kPoints / 2) / kPoints),
                             static_cast<std::uint8_t>((blue + kPoints / 2) / kPoints)});
    }
  }
  return mark;
}

Picture PaintTile() {
  Picture tile{kTileWidth, kTileHeight, {}};
  for (int y = 0; y < kTileHeight; ++y) {
    // The rows depend on y only through a whole number of turns over the tile's height.
    const double turn = 2 * kPi * y / kTileHeight;
    for (int x = 0; x < kTileWidth; ++x) {
      const double phase = x * 0.045 + 2.2 * std::sin(turn + x * 0.011) + 1.3 * std::sin(x * 0.013);
      const double vein = std::pow(0.5 + 0.5 * std::sin(phase), 6);
      tile.pixels.push_back(Mix(kPanelColour, kVein, vein));
    }
  }
  return tile;
}

}  // namespace orvane::artwork
