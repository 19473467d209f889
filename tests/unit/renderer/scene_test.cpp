#include "renderer/scene/scene.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvane::renderer {
namespace {

const double kSampleTimes[] = {0.0, 0.4, 3.7, 12.5, 59.9, 600.25, 3600.5, 86400.75};

std::vector<ScreenGlyph> ProjectedAt(const Scene& scene, double seconds) {
  std::vector<GlyphSprite> sprites;
  scene.AppendGlyphs(seconds, sprites);
  std::vector<ScreenGlyph> glyphs;
  scene.Project(seconds, sprites, glyphs);
  return glyphs;
}

Vec3 Apply(const Mat4& m, const Vec3& p) {
  const Vec4 result = m * Vec4{p.x, p.y, p.z, 1};
  return {result.x, result.y, result.z};
}

TEST(GlyphRain, GlyphsAreBlueOrYellowOfTheFontsVarietyBetweenTheEndsOfTheView) {
  for (const int variety : {7, 64}) {
    const Scene scene(1024, 768, variety);
    std::vector<bool> seen(static_cast<std::size_t>(variety));
    int blue = 0, yellow = 0;
    for (const double seconds : kSampleTimes) {
      std::vector<GlyphSprite> sprites;
      scene.AppendGlyphs(seconds, sprites);
      ASSERT_GT(sprites.size(), 500u) << seconds;
      for (const GlyphSprite& sprite : sprites) {
        ASSERT_TRUE(sprite.centre.z <= -GlyphRain::kNearDepth && sprite.centre.z >= -GlyphRain::kFarDepth);
        ASSERT_TRUE(sprite.glyph >= 0 && sprite.glyph < variety) << sprite.glyph;
        seen[static_cast<std::size_t>(sprite.glyph)] = true;
        const Colour& c = sprite.colour;
        ASSERT_TRUE((c.b > c.r && c.b > c.g) || (c.r >= c.g && c.g > c.b)) << c.r << " " << c.g << " " << c.b;
        (c.b > c.r ? blue : yellow)++;
      }
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), variety);
    EXPECT_GT(yellow, (blue + yellow) / 5);
    EXPECT_GT(blue, yellow);
  }
}

TEST(GlyphRain, GlyphsCoverTheWholeScreenAndMoveOnlyAFewPixelsAFrame) {
  for (const auto& [width, height] : {std::pair{1920, 1080}, std::pair{768, 1024}}) {
    const Scene scene(width, height, 64);
    // Eight strips across, four down: each of the 32 should get about 3 % of the glyphs.
    int cells[4][8] = {};
    int total = 0;
    for (int step = 0; step < 40; ++step) {
      for (const ScreenGlyph& glyph : ProjectedAt(scene, step * 1.7)) {
        if (glyph.x < 0 || glyph.x >= width || glyph.y < 0 || glyph.y >= height) continue;
        ++cells[static_cast<int>(glyph.y * 4 / height)][static_cast<int>(glyph.x * 8 / width)];
        ++total;
      }
    }
    for (int cell = 0; cell < 32; ++cell) EXPECT_GT(cells[cell / 8][cell % 8], total / 100) << width << " " << cell;

    for (const double seconds : {5.0, 100000.0}) {
      const std::vector<ScreenGlyph> before = ProjectedAt(scene, seconds);
      const std::vector<ScreenGlyph> after = ProjectedAt(scene, seconds + 1.0 / 60);
      const auto near = std::count_if(after.begin(), after.end(), [&](const ScreenGlyph& glyph) {
        return std::any_of(before.begin(), before.end(), [&](const ScreenGlyph& earlier) {
          return std::hypot(glyph.x - earlier.x, glyph.y - earlier.y) < 6;
        });
      });
      EXPECT_GT(near, static_cast<long>(after.size() * 95 / 100)) << seconds;
    }
  }
}

TEST(Scene, AnyModelIsFittedIntoTheMiddleOfTheScreenItsDepthMirrored) {
  const Scene scene(1024, 768, 64);
  Model model;
  model.parts.emplace_back();
  for (const Vec3& point : {Vec3{1000, -50, 7}, Vec3{1400, 50, 7}, Vec3{1200, 0, 207}}) {
    model.parts[0].triangles.push_back({point, {}});
  }
  const ModelFit fit = FitModel(model);

  for (const double seconds : {0.0, 4.0, 33.3}) {
    const Mat4 placement = scene.ModelTransform(fit, seconds);
    const Vec3 centre = Apply(placement, fit.centre);
    EXPECT_NEAR(std::hypot(centre.x, centre.y, centre.z + Scene::kModelDistance), 0, 1e-3);
    // The camera's sway moves it by a few hundredths of the screen at most.
    const Vec4 onScreen = scene.Projection() * scene.View(seconds) * Vec4{centre.x, centre.y, centre.z, 1};
    EXPECT_NEAR(std::hypot(onScreen.x / onScreen.w, onScreen.y / onScreen.w), 0, 0.08) << seconds;
    float farthest = 0;
    for (const ModelVertex& vertex : model.parts[0].triangles) {
      const Vec3 placed = Apply(placement, vertex.position);
      farthest = std::max(farthest, std::hypot(placed.x, placed.y, placed.z + Scene::kModelDistance));
    }
    EXPECT_NEAR(farthest, Scene::kModelRadius, 1e-3) << seconds;
  }
  // In an .x file +z points away from the viewer.
  const Mat4 still = scene.ModelTransform(fit, 0);
  EXPECT_LT(Apply(still, {0, 0, 1}).z, Apply(still, {0, 0, -1}).z);
  EXPECT_FLOAT_EQ(FitModel(Model{}).radius, 1.0f);
}

TEST(Scene, ProjectionGivesPixelsFarthestFirstAndLeavesOutWhatIsBehindTheCamera) {
  GlyphSprite nearer, farther, behind;
  nearer.centre = {0, 0, -10};
  farther.centre = {2, 1, -20};
  behind.centre = {0, 0, 5};
  nearer.size = farther.size = behind.size = 0.24f;
  std::vector<ScreenGlyph> glyphs;
  Scene(1024, 768, 64).Project(0, {nearer, behind, farther}, glyphs);

  ASSERT_EQ(glyphs.size(), 2u);
  EXPECT_GT(glyphs[0].x, 512);
  EXPECT_LT(glyphs[0].y, 384);
  EXPECT_NEAR(glyphs[1].x, 512, 0.01);
  EXPECT_NEAR(glyphs[1].y, 384, 0.01);
  EXPECT_NEAR(glyphs[1].size, 15.96, 0.01);  // 0.24 units at 10 units, 60 degrees over 768 pixels
  EXPECT_NEAR(glyphs[0].size, glyphs[1].size / 2, 0.01);
}

}  // namespace
}  // namespace orvane::renderer
