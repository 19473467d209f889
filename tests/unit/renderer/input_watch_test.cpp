#include "renderer/scene/input_watch.h"

#include <gtest/gtest.h>

namespace orvane::renderer {
namespace {

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

}  // namespace
}  // namespace orvane::renderer
