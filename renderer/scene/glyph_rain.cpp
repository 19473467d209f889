#include "renderer/scene/glyph_rain.h"

#include <cmath>

namespace orvane::renderer {
namespace {

constexpr float kGlyphSize = 0.24f;
constexpr float kGlyphSpacing = 0.26f;  // between the centres of neighbours in a column
constexpr double kDriftSpeed = 1.3;     // world units per second towards the camera
constexpr double kLargeGlyphPeriod = 7.0;
constexpr float kLargeGlyphBrightness = 0.3f;
constexpr Colour kBlue{0.30f, 0.55f, 1.0f, 1};
constexpr Colour kYellow{1.0f, 0.78f, 0.20f, 1};
constexpr double kYellowShare = 0.35;

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

Colour TowardsWhite(const Colour& c, float amount) {
  return {c.r + (1 - c.r) * amount, c.g + (1 - c.g) * amount, c.b + (1 - c.b) * amount, 1};
}

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

void GlyphRain::AppendSprites(double seconds, std::vector<GlyphSprite>& sprites) const {
  for (int index = 0; index < kLargeGlyphs; ++index) AppendLargeGlyph(index, seconds, sprites);
  for (int column = 0; column < kColumns; ++column) AppendColumn(column, seconds, sprites);
}

void GlyphRain::AppendColumn(int column, double seconds, std::vector<GlyphSprite>& sprites) const {
  const double crossingSeconds = (kFarDepth - kNearDepth) / kDriftSpeed;
  double approach = 0;  // 0 at the far end, 1 at the near end
  const std::uint32_t crossing =
      WholeCycles(Fraction(Hash(column, 1)) + seconds / crossingSeconds, approach);
  const float fade = SmoothStep(0, 0.12, approach) * (1 - SmoothStep(0.88, 1, approach));
  if (fade <= 0) return;

  // Each crossing is a new column: its place, length, pace and colour.
  const std::uint32_t id = Hash(column, crossing, 2);
  const float depth = static_cast<float>(kFarDepth - approach * (kFarDepth - kNearDepth));
  const float halfHeight = depth * tanHalfFieldY_;
  const float x = static_cast<float>((Fraction(Hash(id, 3)) * 2 - 1) * halfHeight * aspect_);
  const int length = 8 + static_cast<int>(Hash(id, 4) % 18);
  const double fallsPerSecond = 0.07 + 0.16 * Fraction(Hash(id, 5));
  const Colour colour = Fraction(Hash(id, 7)) < kYellowShare ? kYellow : kBlue;

  // The head runs from the top edge until the whole tail has left at the bottom.
  double fall = 0;
  WholeCycles(Fraction(Hash(id, 6)) + seconds * fallsPerSecond, fall);
  const float headY = static_cast<float>(halfHeight - fall * (2 * halfHeight + length * kGlyphSpacing));

  for (int i = 0; i < length; ++i) {
    const float y = headY + i * kGlyphSpacing;
    if (y - kGlyphSize > halfHeight || y + kGlyphSize < -halfHeight) continue;
    const float trail = static_cast<float>(std::pow(1.0 - static_cast<double>(i) / length, 1.6));
    const float brightness = (i == 0 ? 1.0f : 0.85f * trail) * fade;
    if (brightness < 0.02f) continue;
    // Each glyph changes now and then, at its own pace.
    const double changesPerSecond = 0.4 + 2.0 * Fraction(Hash(id, i, 8));
    const auto change = static_cast<std::uint32_t>(static_cast<std::int64_t>(seconds * changesPerSecond));
    GlyphSprite sprite;
    sprite.centre = {x, y, -depth};
    sprite.size = kGlyphSize;
    sprite.glyph = static_cast<int>(Hash(id, i, change) % static_cast<std::uint32_t>(glyphVariety_));
    sprite.colour = Scaled(i == 0 ? TowardsWhite(colour, 0.55f) : colour, brightness);
    sprites.push_back(sprite);
  }
}

void GlyphRain::AppendLargeGlyph(int index, double seconds, std::vector<GlyphSprite>& sprites) const {
  double shown = 0;  // how far into its time on screen: it fades in and out again
  const std::uint32_t turn = WholeCycles(Fraction(Hash(index, 20)) + seconds / kLargeGlyphPeriod, shown);
  const double envelope = std::pow(std::sin(3.14159265358979 * shown), 2);
  if (envelope < 0.01) return;

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

}  // namespace orvane::renderer
