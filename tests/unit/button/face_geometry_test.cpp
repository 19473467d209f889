// Where the frame pieces and the caption of a face go, at any screen factor.
#include "button/face_geometry.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orvane::button {
namespace {

// Which span of a side of `size` pixels with a frame `frame` deep `from`-`to` is: 0 the frame
// before, 1 between, 2 the frame after; -1 when it is none of them exactly.
int Span(std::int32_t from, std::int32_t to, std::int32_t size, std::int32_t frame) {
  if (from == 0 && to == frame) return 0;
  if (from == frame && to == size - frame) return 1;
  return from == size - frame && to == size ? 2 : -1;
}

TEST(FaceGeometry, EveryFramePixelComesOnceFromTheSamePartOfThePicturesRingAtAnyScale) {
  const struct {
    std::int32_t width, height;
    int twipsPerPixel;
    std::int32_t frame;  // 60 twips
  } rows[] = {{117, 28, 15, 4}, {146, 35, 12, 5}, {117, 28, 10, 6}, {117, 28, 20, 3}, {8, 8, 15, 4}};
  for (const auto& row : rows) {
    std::vector<int> covered(static_cast<std::size_t>(row.width * row.height));
    for (const FramePiece& piece : FramePieces(row.width, row.height, {row.twipsPerPixel, row.twipsPerPixel})) {
      const platform::Rect& to = piece.destination;
      EXPECT_EQ(Span(piece.source.left, piece.source.right, 64, 4), Span(to.left, to.right, row.width, row.frame));
      EXPECT_EQ(Span(piece.source.top, piece.source.bottom, 25, 4), Span(to.top, to.bottom, row.height, row.frame));
      for (std::int32_t y = to.top; y < to.bottom; ++y) {
        for (std::int32_t x = to.left; x < to.right; ++x) ++covered[y * row.width + x];
      }
    }
    for (std::int32_t y = 0; y < row.height; ++y) {
      for (std::int32_t x = 0; x < row.width; ++x) {
        const bool inFrame = std::min({x, y, row.width - 1 - x, row.height - 1 - y}) < row.frame;
        ASSERT_EQ(covered[y * row.width + x], inFrame ? 1 : 0) << row.width << " x " << row.height << " at " << x << "," << y;
      }
    }
  }
  // Narrower than two corners: full-sized corners that overlap, and no edge across.
  const std::vector<FramePiece> narrow = FramePieces(6, 30, {15, 15});
  ASSERT_EQ(narrow.size(), 6u);
  for (const FramePiece& piece : narrow) EXPECT_EQ(piece.destination.right - piece.destination.left, 4);
}

TEST(FaceGeometry, TheCaptionIsOneLineCentredTenTwipsAboveTheMiddleAndMayRiseAboveTheTop) {
  const struct {
    std::int32_t height;
    int twipsPerPixel;
    std::int32_t top, bottom;
  } rows[] = {{28, 15, 7, 20}, {25, 15, 5, 18}, {40, 15, 13, 26}, {10, 15, -2, 11}, {35, 12, 9, 25}};
  for (const auto& row : rows) {
    const platform::Rect box = CaptionBox(117, row.height, {row.twipsPerPixel, row.twipsPerPixel});
    EXPECT_EQ(box.top, row.top) << row.height;
    EXPECT_EQ(box.bottom, row.bottom) << row.height;
    EXPECT_EQ(box.right - box.left, 117);
  }
}

}  // namespace
}  // namespace orvane::button
