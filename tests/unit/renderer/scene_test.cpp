#include "renderer/scene/scene.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace orvane::renderer {
namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kGlyphVariety = 64;
const double kSampleTimes[] = {0.0, 0.4, 3.7, 12.5, 59.9, 600.25, 3600.5, 86400.75};

std::vector<ScreenGlyph> ProjectedAt(const Scene& scene, double seconds) {
  std::vector<GlyphSprite> sprites;
  scene.AppendGlyphs(seconds, sprites);
  std::vector<ScreenGlyph> glyphs;
  scene.Project(seconds, sprites, glyphs);
  return glyphs;
}

Model TriangleSoup(std::initializer_list<Vec3> points) {
  Model model;
  model.parts.emplace_back();
  for (const Vec3& point : points) {
    ModelVertex vertex;
    vertex.position = point;
    model.parts[0].triangles.push_back(vertex);
  }
  return model;
}

Vec3 Apply(const Mat4& m, const Vec3& p) {
  const Vec4 result = m * Vec4{p.x, p.y, p.z, 1};
  return {result.x, result.y, result.z};
}

TEST(GlyphRain, EveryGlyphIsBetweenTheNearAndFarEndsOfTheView) {
  const Scene scene(kWidth, kHeight, kGlyphVariety);
  for (const double seconds : kSampleTimes) {
    std::vector<GlyphSprite> sprites;
    scene.AppendGlyphs(seconds, sprites);
    ASSERT_GT(sprites.size(), 500u) << seconds;
    for (const GlyphSprite& sprite : sprites) {
      ASSERT_LE(sprite.centre.z, -GlyphRain::kNearDepth) << seconds;
      ASSERT_GE(sprite.centre.z, -GlyphRain::kFarDepth) << seconds;
    }
  }
}

TEST(GlyphRain, GlyphsCoverTheWholeScreenEdgeToEdge) {
  for (const auto& [width, height] : {std::pair{1024, 768}, std::pair{1920, 1080}, std::pair{768, 1024}}) {
    const Scene scene(width, height, kGlyphVariety);
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
    for (int row = 0; row < 4; ++row) {
      for (int column = 0; column < 8; ++column) {
        EXPECT_GT(cells[row][column], total / 100) << width << "x" << height << " " << row << "," << column;
      }
    }
  }
}

TEST(GlyphRain, ColumnsAreBlueOrYellowAndTheScreenShowsBoth) {
  const Scene scene(kWidth, kHeight, kGlyphVariety);
  int blue = 0, yellow = 0, other = 0;
  for (const double seconds : kSampleTimes) {
    std::vector<GlyphSprite> sprites;
    scene.AppendGlyphs(seconds, sprites);
    for (const GlyphSprite& sprite : sprites) {
      const Colour& c = sprite.colour;
      if (c.b > c.r && c.b > c.g) {
        ++blue;
      } else if (c.r >= c.g && c.g > c.b) {
        ++yellow;
      } else {
        ++other;
      }
    }
  }
  EXPECT_EQ(other, 0);
  EXPECT_GT(yellow, (blue + yellow) / 5);
  EXPECT_GT(blue, yellow);
}

TEST(GlyphRain, GlyphNumbersStayWithinTheFontsVariety) {
  for (const int variety : {1, 7}) {
    const Scene scene(kWidth, kHeight, variety);
    std::vector<bool> seen(static_cast<std::size_t>(variety));
    for (const double seconds : kSampleTimes) {
      std::vector<GlyphSprite> sprites;
      scene.AppendGlyphs(seconds, sprites);
      for (const GlyphSprite& sprite : sprites) {
        ASSERT_GE(sprite.glyph, 0);
        ASSERT_LT(sprite.glyph, variety);
        seen[static_cast<std::size_t>(sprite.glyph)] = true;
      }
    }
    EXPECT_EQ(std::count(seen.begin(), seen.end(), true), variety);
  }
}

TEST(GlyphRain, FromOneFrameToTheNextGlyphsMoveOnlyAFewPixels) {
  const Scene scene(kWidth, kHeight, kGlyphVariety);
  for (const double seconds : {5.0, 1000.0, 100000.0}) {
    const std::vector<ScreenGlyph> before = ProjectedAt(scene, seconds);
    const std::vector<ScreenGlyph> after = ProjectedAt(scene, seconds + 1.0 / 60);
    int near = 0;
    for (const ScreenGlyph& glyph : after) {
      for (const ScreenGlyph& earlier : before) {
        if (std::hypot(glyph.x - earlier.x, glyph.y - earlier.y) < 6) {
          ++near;
          break;
        }
      }
    }
    EXPECT_GT(near, static_cast<int>(after.size() * 95 / 100)) << seconds;
  }
}

TEST(GlyphRain, AColumnsGlyphsGoUpFromItsHeadThroughItsStripAndFadeOut) {
  const GlyphRain rain(kGlyphVariety, 4.0f / 3);
  RainColumn column;
  column.head = {1, 2, -10};
  column.length = 10;
  column.strip = 3;
  column.stripOffset = 30;
  column.colour = {0.3f, 0.55f, 1.0f, 1};

  std::vector<GlyphSprite> glyphs;
  rain.AppendColumnGlyphs(column, glyphs);

  // The tenth glyph would be under 6 % bright and is left out.
  EXPECT_EQ(GlyphRain::VisibleLength(10), 9);
  ASSERT_EQ(glyphs.size(), 9u);
  for (std::size_t i = 0; i < glyphs.size(); ++i) {
    EXPECT_FLOAT_EQ(glyphs[i].centre.y, 2 + 0.25f * i);
    EXPECT_FLOAT_EQ(glyphs[i].centre.x, 1);
    if (i > 0) {
      EXPECT_LT(glyphs[i].colour.b, glyphs[i - 1].colour.b);
    }
  }
  // Past the strip's last cell the column carries on from its first, as the texture repeats.
  EXPECT_EQ(glyphs[1].glyph, rain.GlyphInStrip(3, 31));
  EXPECT_EQ(glyphs[2].glyph, rain.GlyphInStrip(3, 0));
  EXPECT_EQ(glyphs[8].glyph, rain.GlyphInStrip(3, 6));
  // The head is the whitest: its red is raised most against its blue.
  EXPECT_FLOAT_EQ(glyphs[0].colour.b, 1.0f);
  EXPECT_GT(glyphs[0].colour.r, 0.6f);
  EXPECT_LT(glyphs[1].colour.r / glyphs[1].colour.b, 0.31f);
}

TEST(GlyphRain, ColumnsMoveOnThroughTheirStripsNowAndThenButNotEveryFrame) {
  const GlyphRain rain(kGlyphVariety, 4.0f / 3);
  auto offsetsByPlace = [&](double seconds) {
    std::vector<RainColumn> columns;
    rain.AppendColumns(seconds, columns);
    // While it crosses, a column keeps its strip and its direction from the camera.
    std::map<std::pair<long, int>, int> offsets;
    for (const RainColumn& column : columns) {
      offsets[{std::lround(column.head.x / -column.head.z * 1e5), column.strip}] = column.stripOffset;
    }
    return offsets;
  };
  const auto start = offsetsByPlace(100.0);
  const auto nextFrame = offsetsByPlace(100.0 + 1.0 / 60);
  const auto later = offsetsByPlace(104.0);

  int sameNextFrame = 0, comparedNextFrame = 0, movedLater = 0, comparedLater = 0;
  for (const auto& [place, offset] : start) {
    if (const auto found = nextFrame.find(place); found != nextFrame.end()) {
      ++comparedNextFrame;
      sameNextFrame += found->second == offset;
    }
    if (const auto found = later.find(place); found != later.end()) {
      ++comparedLater;
      movedLater += found->second != offset;
    }
  }
  ASSERT_GT(comparedNextFrame, 50);
  ASSERT_GT(comparedLater, 50);
  EXPECT_GT(sameNextFrame, comparedNextFrame * 9 / 10);
  EXPECT_GT(movedLater, comparedLater * 3 / 4);
}

TEST(Scene, AnyModelIsFittedIntoTheMiddleOfTheScreen) {
  const Scene scene(kWidth, kHeight, kGlyphVariety);
  const Model model = TriangleSoup({{1000, -50, 7}, {1400, 50, 7}, {1200, 0, 207}});
  const ModelFit fit = FitModel(model);

  for (const double seconds : {0.0, 4.0, 33.3}) {
    const Vec3 centre = Apply(scene.ModelTransform(fit, seconds), fit.centre);
    EXPECT_NEAR(centre.x, 0, 1e-3);
    EXPECT_NEAR(centre.y, 0, 1e-3);
    EXPECT_NEAR(centre.z, -Scene::kModelDistance, 1e-3);
    // The camera's sway moves it by a few hundredths of the screen at most.
    const Vec4 onScreen = scene.Projection() * scene.View(seconds) * Vec4{centre.x, centre.y, centre.z, 1};
    EXPECT_NEAR(onScreen.x / onScreen.w, 0, 0.08) << seconds;
    EXPECT_NEAR(onScreen.y / onScreen.w, 0, 0.08) << seconds;
    float farthest = 0;
    for (const ModelVertex& vertex : model.parts[0].triangles) {
      const Vec3 placed = Apply(scene.ModelTransform(fit, seconds), vertex.position);
      farthest = std::max(farthest, std::hypot(placed.x, placed.y, placed.z + Scene::kModelDistance));
    }
    EXPECT_NEAR(farthest, Scene::kModelRadius, 1e-3) << seconds;
  }
}

TEST(Scene, TheModelsLeftHandedDepthIsMirroredForTheCamera) {
  const Scene scene(kWidth, kHeight, kGlyphVariety);
  // In an .x file +z points away from the viewer.
  const Model model = TriangleSoup({{0, 0, -1}, {0, 0, 1}, {0, 1, 0}});

  const Mat4 placement = scene.ModelTransform(FitModel(model), 0);

  EXPECT_LT(Apply(placement, {0, 0, 1}).z, Apply(placement, {0, 0, -1}).z);
}

TEST(Scene, EmptyAndSinglePointModelsGetAUsableScale) {
  EXPECT_FLOAT_EQ(FitModel(Model{}).radius, 1.0f);
  EXPECT_FLOAT_EQ(FitModel(TriangleSoup({{3, 3, 3}, {3, 3, 3}, {3, 3, 3}})).radius, 1.0f);
}

TEST(Scene, ProjectionGivesPixelsFarthestFirstAndLeavesOutWhatIsBehindTheCamera) {
  const Scene scene(kWidth, kHeight, kGlyphVariety);
  GlyphSprite nearer, farther, behind;
  nearer.centre = {0, 0, -10};
  nearer.size = 0.24f;
  farther.centre = {2, 1, -20};
  farther.size = 0.24f;
  behind.centre = {0, 0, 5};
  behind.size = 0.24f;

  std::vector<ScreenGlyph> glyphs;
  scene.Project(0, {nearer, behind, farther}, glyphs);

  ASSERT_EQ(glyphs.size(), 2u);
  EXPECT_NEAR(glyphs[0].x, 512 + 2 * 1.7320508f / 20 * 384, 0.01);
  EXPECT_NEAR(glyphs[0].y, 384 - 1 * 1.7320508f / 20 * 384, 0.01);
  EXPECT_NEAR(glyphs[1].x, 512, 0.01);
  EXPECT_NEAR(glyphs[1].y, 384, 0.01);
  EXPECT_NEAR(glyphs[1].size, 15.96, 0.01);  // 0.24 units at 10 units, 60 degrees over 768 pixels
}

}  // namespace
}  // namespace orvane::renderer
