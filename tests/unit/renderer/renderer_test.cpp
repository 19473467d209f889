// The renderer's own logic: the model files it reads (the shipped one, and each way a file is
// refused), and what it decides each frame: how long to wait, and whether a move ends the run.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>
#include <tuple>
#include <vector>

#include "artwork/bitmap_file.h"
#include "assets/generator/orvane_model.h"
#include "renderer/model/x_reader.h"
#include "renderer/scene/frame_pace.h"
#include "renderer/scene/glow_bitmap.h"
#include "renderer/scene/indexed_mesh.h"
#include "renderer/scene/input_watch.h"
#include "renderer/scene/scene.h"
#include "renderer/scene/scene_visibility.h"

namespace orvane::renderer {
namespace {

std::string ShippedModelText() {
  std::ifstream file(ORVANE_SHIPPED_MODEL, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

Vec3 Minus(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
float Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

TEST(ShippedModel, IsWhatItsGeneratorWritesAndReadsAsFourPartsWhoseTrianglesFaceTheWayTheirNormalsPoint) {
  const std::string text = ShippedModelText();
  // If this fails after a change to the generator: build/assets/model_generator assets/3dOrvane.x
  EXPECT_TRUE(text == assets::OrvaneModelText());
  EXPECT_LT(text.size(), 1u << 20);
  const XReadResult read = ReadXModel(text);
  ASSERT_EQ(read.status, XReadStatus::kOk);
  ASSERT_EQ(read.model.parts.size(), 4u);  // core, spikes and two rings
  EXPECT_FLOAT_EQ(read.model.parts[0].material.diffuse.g, 0.76f);   // Gold, by reference
  EXPECT_FLOAT_EQ(read.model.parts[1].material.emissive.r, 0.45f);  // Spark, inline
  for (std::size_t p = 0; p < read.model.parts.size(); ++p) {
    const std::vector<ModelVertex>& corners = read.model.parts[p].triangles;
    EXPECT_GT(corners.size(), 100u);
    for (std::size_t i = 0; i + 2 < corners.size(); i += 3) {
      const Vec3 a = corners[i].position;
      const Vec3 e1 = Minus(corners[i + 1].position, a), e2 = Minus(corners[i + 2].position, a);
      const Vec3 face{e1.y * e2.z - e1.z * e2.y, e1.z * e2.x - e1.x * e2.z, e1.x * e2.y - e1.y * e2.x};
      const float length = std::sqrt(Dot(face, face));
      for (std::size_t k = i; k < i + 3; ++k) ASSERT_GT(Dot(face, corners[k].normal), 0.8f * length) << p << " " << k;
      // The core and the spikes face away from the middle.
      ASSERT_TRUE(p >= 2 || Dot(face, a) > 0) << p << " " << i / 3;
    }
  }
}

TEST(Scene, TheShippedModelStaysWithinTheBoundsItsDepthIsClearedInWhichLeaveMostOfTheViewOut) {
  const XReadResult read = ReadXModel(ShippedModelText());
  const ModelFit fit = FitModel(read.model);
  for (const auto& [width, height] : {std::pair{1024, 768}, {1280, 1024}, {1920, 1080}, {3840, 1600}}) {
    const Scene scene(width, height, 1);
    for (const double seconds : {0.0, 2.5, 11.0, 37.3, 3600.7}) {
      const platform::Rect bounds = scene.ModelBounds(seconds);
      EXPECT_LT((bounds.right - bounds.left) * (bounds.bottom - bounds.top), width * height / 2) << width;
      const Mat4 place = scene.Projection() * scene.View(seconds) * scene.ModelTransform(fit, seconds);
      for (const ModelPart& part : read.model.parts) {
        for (const ModelVertex& vertex : part.triangles) {
          const Vec4 clip = place * Vec4{vertex.position.x, vertex.position.y, vertex.position.z, 1};
          const float x = (clip.x / clip.w + 1) * width / 2, y = (1 - clip.y / clip.w) * height / 2;
          ASSERT_TRUE(x >= bounds.left && x <= bounds.right && y >= bounds.top && y <= bounds.bottom)
              << width << "x" << height << " at " << seconds << " s: " << x << "," << y;
        }
      }
    }
  }
}

TEST(IndexedMesh, KeepsEachCornerOnceByItsBitsAndTheTrianglesInTheirOrder) {
  const float nan = std::nanf("");
  const ModelVertex a{{0, 0, 0}, {0, 0, 1}}, b{{1, 0, 0}, {0, 0, 1}}, c{{1, 1, 0}, {0, 0, 1}}, d{{0, 1, 0}, {0, 0, 1}};
  const ModelVertex aFacingAway{{0, 0, 0}, {0, 0, -1}}, broken{{nan, 0, 0}, {0, 0, 1}};
  const IndexedMesh mesh = Indexed({a, b, c, a, c, d, aFacingAway, broken, broken});
  EXPECT_EQ(mesh.indices, (std::vector<std::uint32_t>{0, 1, 2, 0, 2, 3, 4, 5, 5}));
  ASSERT_EQ(mesh.corners.size(), 6u);
  EXPECT_EQ(mesh.corners[3].position.y, 1);
  EXPECT_EQ(mesh.corners[4].normal.z, -1);
}

const std::string kHeader = "xof 0303txt 0032\n";
const std::string kTriangle = "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; ";

// Malformed files are fuzzed as well.
TEST(XReader, MalformedInputIsRefusedWithItsReason) {
  const std::string mesh = kHeader + kTriangle + "3;0,1,2;;";
  const auto repeat = [](const std::string& piece, std::size_t times) {
    std::string text;
    while (times--) text += piece;
    return text;
  };
  const auto nested = [](int depth, const std::string& inside) {
    std::string text = kHeader;
    for (int i = 0; i < depth; ++i) text += "Frame {";
    return text + inside + std::string(static_cast<std::size_t>(depth), '}');
  };
  const std::pair<std::string, XReadStatus> cases[] = {
      {"BM6\x01\0\0\0\0\0\0" "6\0\0\0(\0\0\0", XReadStatus::kNotXFile},
      {"xof 0303bin 0032", XReadStatus::kUnsupportedFormat},
      {kHeader + "Mesh {\n2.5; 0;0;0;, 1;1;1;;\n}", XReadStatus::kBadCount},
      {mesh + "\nMeshTextureCoords {\n2; 0;0;, 1;1;; }\n}", XReadStatus::kBadCount},
      {kHeader + kTriangle + "3;0,1,3;; }", XReadStatus::kBadIndex},
      {mesh + " MeshNormals { 1; 0;0;1;; 1; 3;0,1,0;; } }", XReadStatus::kBadIndex},
      {mesh, XReadStatus::kSyntaxError},
      {kHeader + "Frame { TextureFilename { \"unclosed\n }", XReadStatus::kSyntaxError},
      {nested(100000, ""), XReadStatus::kTooDeep},
      {nested(64, kTriangle + "3;0,1,2;; }"), XReadStatus::kOk},
      {nested(1, "FrameTransformMatrix { 1e30,0,0,0, 0,1,0,0, 0,0,1,0, 0,0,0,1;; } "
                 "Mesh { 3; 0;0;0;, 1e30;0;0;, 0;1;0;; 1; 3;0,1,2;; }"),
       XReadStatus::kNumberTooLarge},
      {kHeader + "Header { 1; 0; 1; }\nFrame Empty { }\n", XReadStatus::kNoMesh},
      // Counts that the rest of the text cannot fill, however long it is.
      {kHeader + "Mesh { 16777216; 0;0;0;; 1; 3;0,0,0;; }", XReadStatus::kBadCount},
      {mesh + " MeshMaterialList { 15000000; 1; 0;; {A} } }\n" + std::string(16u << 20, '#'),
       XReadStatus::kBadCount},
      // A material declared but not written is the default one.
      {mesh + " MeshMaterialList { 5; 1; 4;; {A} } }", XReadStatus::kOk},
      // Models that would cost more memory than their file's size allows.
      {kHeader + "Mesh { 3; 0;0;0;, 1;0;0;, 0;1;0;; 1; 1000000;" + repeat("0,", 999999) + "0;; }",
       XReadStatus::kTooLarge},
      {mesh + " MeshMaterialList { 1000000; 1; 0;;" + repeat("{A}", 1000000) + "} }", XReadStatus::kTooLarge},
      {kHeader + repeat("Frame{}", 1000000), XReadStatus::kTooLarge},
  };
  for (const auto& [text, status] : cases) {
    const XReadResult result = ReadXModel(text);
    EXPECT_EQ(result.status, status) << text.substr(0, 200);
    // Nothing of a refused file is drawn.
    EXPECT_EQ(result.model.parts.empty(), status != XReadStatus::kOk) << text.substr(0, 200);
  }
}

// The allowance counts every byte the reader holds: a model fills it exactly, and one byte less,
// or one more vertex than its allowance pays for, is refused.
TEST(XReader, AModelIsReadWithinAnAllowanceOfExactlyItsNeedsAndRefusedWithOneByteLess) {
  const std::size_t list = sizeof(std::vector<int>);
  const std::size_t triangleNeeds = 3 * sizeof(Vec3) + sizeof(std::uint32_t)  // positions and face size as read
                                    + 4 * sizeof(std::uint32_t)  // its corners, in a list grown to four
                                    + 4 * 8 * list               // the mesh of eight lists, in a list grown to four
                                    + sizeof(std::uint32_t) + sizeof(std::size_t)  // its material, its corner count
                                    + sizeof(ModelPart) + 3 * sizeof(ModelVertex)  // its part with its triangle
                                    + 4 * sizeof(ModelPart);     // the model's parts, grown to four
  const std::string triangle = kHeader + kTriangle + "3;0,1,2;; }";
  const std::string fourVertices = kHeader + "Mesh { 4; 0;0;0;, 1;0;0;, 0;1;0;, 1;1;0;; 1; 3;0,1,2;; }";
  const struct { const std::string& text; std::size_t allowance; XReadStatus status; } cases[] = {
      {triangle, triangleNeeds, XReadStatus::kOk},
      {triangle, triangleNeeds - 1, XReadStatus::kTooLarge},
      {fourVertices, triangleNeeds + sizeof(Vec3), XReadStatus::kOk},
      {fourVertices, triangleNeeds, XReadStatus::kTooLarge},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReadXModel(c.text, XMemoryLimit{0, c.allowance}).status, c.status) << c.allowance << " " << c.text;
  }
}

// The texture as the saver stages it: a 24-bit bitmap file, written by the build's own writer.
TEST(GlowBitmap, ReadsTheStagedBitmapEitherWayUpAsBrightnessAndRefusesWhatItsBytesCannotHold) {
  artwork::Picture picture{16, 16, std::vector<artwork::Rgb>(256)};
  picture.pixels[0] = {30, 200, 10};  // the top left pixel
  const std::string file = artwork::BitmapFileBytes(picture);
  const auto with = [&](std::size_t at, const std::string& bytes) {
    return std::string(file).replace(at, bytes.size(), bytes);
  };
  // A negative height puts the top row first: the row stored first is then the top one.
  for (const auto& [bytes, topLeft, bottomLeft] : {std::tuple{file, 200, 0}, {with(22, "\xf0\xff\xff\xff"), 0, 200}}) {
    const std::optional<GreyImage> glow = GlowFromBitmapFile(bytes);
    ASSERT_TRUE(glow && glow->width == 16 && glow->height == 16);
    EXPECT_EQ(glow->At(0, 0), topLeft);
    EXPECT_EQ(glow->At(0, 15), bottomLeft);
    EXPECT_EQ(glow->At(1, 0), 0);
  }
  const std::string refused[] = {
      file.substr(0, file.size() - 1), with(18, "\x0f"), with(22, "\x20"), with(18, std::string("\0\x08", 2)),
      with(28, "\x20"), with(30, "\x01"), with(10, "\xff\xff"), "BM" + std::string(60, '\xff'),
  };  // a byte short, 15 wide, 32 high, 2048 wide, 32 bits, compressed, pixels past the end, nonsense
  for (const std::string& bytes : refused) EXPECT_FALSE(GlowFromBitmapFile(bytes)) << bytes.size();
}

TEST(InputWatch, AMoveOfMoreThanEightPixelsFromTheStartEndsTheRunAfterHalfASecond) {
  const struct {
    ScreenPoint start, pointer;
    double seconds;  // after the start
    bool ends;
  } cases[] = {
      {{500, 400}, {508, 400}, 10, false}, {{500, 400}, {500, 392}, 10, false},
      {{500, 400}, {505, 406}, 10, false},  // 7.8 pixels away
      {{500, 400}, {506, 394}, 10, true},   // 8.5 pixels away
      {{500, 400}, {600, 400}, 0, false},   {{500, 400}, {509, 400}, 0.49, false},
      {{500, 400}, {509, 400}, 0.5, true},  {{-1500, 200}, {-1496, 204}, 1, false},
      {{-1500, 200}, {-1500, 209}, 1, true}, {{-2000000000, 0}, {2000000000, 0}, 1, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(InputWatch(c.start, 10.0).MoveEndsRun(c.pointer, 10.0 + c.seconds), c.ends)
        << c.pointer.x << "," << c.pointer.y << " after " << c.seconds;
  }
}

TEST(SceneVisibility, NobodySeesTheSceneWhileTheSessionIsLockedOrAwayTheDisplaysOffOrTheWindowHidden) {
  // Events, in order: a session change by its reason ("s7" locks), a display state ("d0" off,
  // "d2" dimmed), the window minimised ("m") or covered ("c") or neither ("w").
  const struct { const char* events; bool seen; } cases[] = {
      {"", true},          {"s7", false},       {"s7 s8", true},       {"s2", false},     {"s4 s3", true},
      {"s7 s2 s8", false}, {"s7 s2 s8 s1", true}, {"s5 s6 s9", true},   {"d0", false},     {"d0 d1", true},
      {"d2", true},        {"m", false},        {"c", false},          {"m w", true},     {"s7 d0 s8", false},
  };
  for (const auto& c : cases) {
    SceneVisibility visibility;
    std::istringstream events(c.events);
    for (std::string event; events >> event;) {
      const unsigned value = static_cast<unsigned>(std::atoi(event.c_str() + 1));
      if (event[0] == 's') visibility.OnSessionChange(value);
      if (event[0] == 'd') visibility.OnDisplayState(value);
      if (event[0] != 's' && event[0] != 'd') visibility.OnWindowState(event == "m", event == "c");
    }
    EXPECT_EQ(visibility.AnybodyCanSee(), c.seen) << c.events;
  }
}

TEST(FramePace, EachFrameIsDueAFramesTimeAfterTheOneBeforeAndALateOneStartsTheCountAfresh) {
  FramePace pace(60);
  EXPECT_EQ(pace.AfterFrame(2.0, 0), 16);
  EXPECT_EQ(pace.AfterFrame(2.0167 + 0.005, 0), 11);  // due at 2.0333
  EXPECT_EQ(pace.AfterFrame(2.0333 + 0.0169, 0), 0);  // too late for 2.05: due from now on
  EXPECT_EQ(pace.AfterFrame(2.0502 + 0.001, 0), 15);
  EXPECT_EQ(pace.LateFrames(), 1);
  for (const int implausible : {0, 1, -5, 100000}) EXPECT_EQ(FramePace(implausible).AfterFrame(0, 0), 16);
  EXPECT_EQ(FramePace(144).AfterFrame(0, 0), 6);
}

TEST(FramePace, FramesKeepToAQuarterOfACoreAtTheHighestFractionOfTheRefreshNeverBelowThirtyAndSettleWithoutFlicker) {
  // Each second of frames at the pace of the moment costs the first of its pair in milliseconds of
  // processor time a frame; after it the pace is the second of the pair in refreshes a frame.
  const struct {
    int refreshHz;
    std::vector<std::pair<double, int>> seconds;
  } cases[] = {
      {60, {{2, 1}, {4, 1}, {4, 1}}},                     // cheap frames, as the clear-only ones
      {60, {{8, 1}, {8, 2}, {8, 2}}},                     // 48% of a core at 60 Hz, 24% at 30
      {60, {{20, 1}, {20, 2}, {20, 2}}},                  // dearer still: never below 30 frames
      {0, {{8, 1}, {8, 2}}},                              // an unknown rate counts as 60 Hz
      {30, {{20, 1}, {20, 1}}},                           // a 30 Hz display shows every frame
      {144, {{5, 1}, {5, 3}, {5, 3}}},                    // 72% at 144 Hz, 36% at 72, 24% at 48
      {144, {{20, 1}, {20, 4}}},                          // 36 frames a second at the least
      {60, {{8, 1}, {2, 1}, {8, 1}, {2, 1}, {8, 1}}},     // a second's blip changes nothing
      {60, {{8, 1}, {8, 2}, {4, 2}, {4, 2}, {4, 2}}},     // 24% at 60 Hz: too near the edge to speed up
      {60, {{8, 1}, {8, 2}, {3, 2}, {3, 1}, {3, 1}}},     // 18% at 60 Hz: back to every refresh
      {60, {{3, 1}, {8, 1}, {8, 2}, {8, 2}, {3, 2}, {3, 1}}},  // a busy spell comes and goes
  };
  for (const auto& c : cases) {
    FramePace pace(c.refreshHz);
    double now = 0, processor = 0;
    pace.AfterFrame(now, processor);
    for (std::size_t second = 0; second < c.seconds.size(); ++second) {
      const auto [milliseconds, refreshes] = c.seconds[second];
      for (const double end = now + 1.0; now < end;) {
        now += pace.FrameSeconds();
        processor += milliseconds / 1000;
        pace.AfterFrame(now, processor);
      }
      EXPECT_EQ(pace.RefreshesPerFrame(), refreshes) << c.refreshHz << " Hz, second " << second;
    }
  }
}

}  // namespace
}  // namespace orvane::renderer
