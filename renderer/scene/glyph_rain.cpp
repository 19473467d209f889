#include "renderer/scene/glyph_rain.h"

#include <cmath>

namespace orvane::renderer {
namespace {

constexpr double kDriftSpeed = 1.3;  // world units per second towards the camera
constexpr double kLargeGlyphPeriod = 7.0;
constexpr float kLargeGlyphBrightness = 0.3f;
constexpr Colour kBlue{0.30f, 0.55f, 1.0f, 1};
constexpr Colour kYellow{1.0f, 0.78f, 0.20f, 1};
constexpr double kYellowShare = 0.35;
// Glyphs dimmer than this, at full depth brightness, are not drawn.
constexpr float kDimmest = 0.06f;

// The murmur3 finaliser: every random choice is a hash of who chooses and when, so a column
// looks the same at the same time however many frames led there.
std::uint32_t Mix(std::uint32_t h) {
  h ^= h >> 16;
  h *= 0x85EBCA6Bu;
  h ^= h >> 13;
  h *= 0xC2B2AE35u;
  h ^= h >> 16;
  return h;
}

std::uint32_t Hash(std::uint32_t a, std::uint32_t b, std::uint32_t c = 0) {
  return Mix(Mix(Mix(a + 0x9E3779B9u) ^ (b + 0x7F4A7C15u)) ^ (c + 0x3C6EF372u));
}

// A number in [0, 1).
double Fraction(std::uint32_t h) { return (h >> 8) * (1.0 / 16777216.0); }

float SmoothStep(double edge0, double edge1, double x) {
  const double t = std::fmin(1.0, std::fmax(0.0, (x - edge0) / (edge1 - edge0)));
  return static_cast<float>(t * t * (3 - 2 * t));
}

Colour Scaled(const Colour& c, float factor) { return {c.r * factor, c.g * factor, c.b * factor, 1}; }

// Splits `position` into how many whole cycles have passed and how far into the next one it is.
std::uint32_t WholeCycles(double position, double& progress) {
  const double whole = std::floor(position);
  progress = position - whole;
  return static_cast<std::uint32_t>(static_cast<std::int64_t>(whole));
}

}  // namespace

GlyphRain::GlyphRain(int glyphVariety, float aspect)
    : glyphVariety_(glyphVariety > 0 ? glyphVariety : 1),
      tanHalfFieldY_(static_cast<float>(std::tan(kFieldOfViewY / 2))),
      aspect_(aspect > 0 ? aspect : 1) {}

void GlyphRain::AppendColumns(double seconds, std::vector<RainColumn>& columns) const {
  const double crossingSeconds = (kFarDepth - kNearDepth) / kDriftSpeed;
  for (int index = 0; index < kColumns; ++index) {
    double approach = 0;  // 0 at the far end, 1 at the near end
    const std::uint32_t crossing =
        WholeCycles(Fraction(Hash(index, 1)) + seconds / crossingSeconds, approach);
    const float fade = SmoothStep(0, 0.12, approach) * (1 - SmoothStep(0.88, 1, approach));
    if (fade <= 0) continue;

    // Each crossing is a new column: its place, length, pace and colour.
    const std::uint32_t id = Hash(index, crossing, 2);
    const float depth = static_cast<float>(kFarDepth - approach * (kFarDepth - kNearDepth));
    const float halfHeight = depth * tanHalfFieldY_;
    RainColumn column;
    column.length = 8 + static_cast<int>(Hash(id, 4) % (kLongestColumn - 7));
    const float height = column.length * kGlyphSize;
    // The head runs from the top edge down until the whole tail has left at the bottom.
    double fall = 0;
    WholeCycles(Fraction(Hash(id, 6)) + seconds * (0.07 + 0.16 * Fraction(Hash(id, 5))), fall);
    column.head.x = static_cast<float>((Fraction(Hash(id, 3)) * 2 - 1) * halfHeight * aspect_);
    column.head.y = static_cast<float>(halfHeight - fall * (2 * halfHeight + height));
    column.head.z = -depth;
    if (column.head.y - kGlyphSize > halfHeight || column.head.y + height < -halfHeight) continue;
    // Now and then the column's glyphs all move on by one cell of its strip.
    const double shiftsPerSecond = 0.3 + 1.2 * Fraction(Hash(id, 8));
    column.strip = static_cast<int>(Hash(id, 9) % kStrips);
    column.stripOffset =
        static_cast<int>((Hash(id, 10) + static_cast<std::uint64_t>(seconds * shiftsPerSecond)) % kStripLength);
    column.colour = Scaled(Fraction(Hash(id, 7)) < kYellowShare ? kYellow : kBlue, fade);
    columns.push_back(column);
  }
}

void GlyphRain::AppendColumnGlyphs(const RainColumn& column, std::vector<GlyphSprite>& sprites) const {
  for (int i = 0; i < VisibleLength(column.length); ++i) {
    GlyphSprite sprite;
    sprite.colour = i == 0 ? HeadColour(column) : Scaled(column.colour, TailBrightness(i, column.length));
    sprite.centre = {column.head.x, column.head.y + i * kGlyphSize, column.head.z};
    sprite.size = kGlyphSize;
    sprite.glyph = GlyphInStrip(column.strip, (column.stripOffset + i) % kStripLength);
    sprites.push_back(sprite);
  }
}

void GlyphRain::AppendLargeGlyphs(double seconds, std::vector<GlyphSprite>& sprites) const {
  for (int index = 0; index < kLargeGlyphs; ++index) {
    double shown = 0;  // how far into its time on screen: it fades in and out again
    const std::uint32_t turn = WholeCycles(Fraction(Hash(index, 20)) + seconds / kLargeGlyphPeriod, shown);
    const double envelope = std::pow(std::sin(3.14159265358979 * shown), 2);
    if (envelope < 0.01) continue;

    const std::uint32_t id = Hash(index, turn, 21);
    const float depth = static_cast<float>(20 + 12 * Fraction(Hash(id, 22)));
    const float halfHeight = depth * tanHalfFieldY_;
    GlyphSprite sprite;
    sprite.centre.x = static_cast<float>((Fraction(Hash(id, 24)) * 2 - 1) * 0.7 * halfHeight * aspect_ +
                                         0.6 * std::sin(seconds * 0.3 + index));
    sprite.centre.y = static_cast<float>((Fraction(Hash(id, 25)) * 2 - 1) * 0.7 * halfHeight - 1.5 * shown);
    sprite.centre.z = -depth;
    sprite.size = static_cast<float>(3.0 + 2.5 * Fraction(Hash(id, 23)));
    sprite.glyph = static_cast<int>(Hash(id, 26) % static_cast<std::uint32_t>(glyphVariety_));
    sprite.colour = Scaled(index % 2 ? kBlue : kYellow, static_cast<float>(kLargeGlyphBrightness * envelope));
    sprites.push_back(sprite);
  }
}

int GlyphRain::GlyphInStrip(int strip, int cell) const {
  return static_cast<int>(Hash(strip, cell, 30) % static_cast<std::uint32_t>(glyphVariety_));
}

Colour GlyphRain::HeadColour(const RainColumn& column) {
  const Colour& c = column.colour;
  // Whiter, at the column's own depth fade (its strongest channel).
  const float fade = std::fmax(c.r, std::fmax(c.g, c.b));
  constexpr float kWhitening = 0.55f;
  return {c.r + (fade - c.r) * kWhitening, c.g + (fade - c.g) * kWhitening, c.b + (fade - c.b) * kWhitening, 1};
}

int GlyphRain::VisibleLength(int length) {
  int visible = 1;
  while (visible < length && TailBrightness(visible, length) >= kDimmest) ++visible;
  return visible;
}

float GlyphRain::TailBrightness(int index, int length) {
  if (index == 0) return 1;
  return 0.85f * static_cast<float>(std::pow(1.0 - static_cast<double>(index) / length, 1.6));
}

}  // namespace orvane::renderer
