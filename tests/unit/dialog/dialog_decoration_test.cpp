// The dialog's background and the tiling of its panel.
#include "dialog/dialog_decoration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "fakes/fake_controls.h"

namespace orvane::dialog {
namespace {

TEST(DialogBackground, ALightBandInTheMiddleFadesToDarkBlueAtTheTopAndBottom) {
  for (const std::int32_t height : {246, 245}) {
    EXPECT_EQ(BackgroundRowColour(0, height), 0x1E0000u);             // (0, 0, 30)
    EXPECT_EQ(BackgroundRowColour(height / 2, height), 0xFADCDCu);    // (220, 220, 250)
    EXPECT_EQ(BackgroundRowColour(height, height), 0x1E0000u);
    int previous = 0;
    for (std::int32_t y = 0; y <= height / 2; ++y) {
      const platform::Colour colour = BackgroundRowColour(y, height);
      const int red = colour & 0xFF;
      EXPECT_EQ(int(colour >> 8 & 0xFF), red) << y;
      EXPECT_EQ(int(colour >> 16), red + 30) << y;
      EXPECT_GE(red, previous) << y;
      EXPECT_LE(std::abs(red - int(BackgroundRowColour(height - y, height) & 0xFF)), 1) << y;
      previous = red;
    }
  }
}

TEST(DialogBackdrop, WholeTilesLieEdgeToEdgeFromThePanelsTopLeftCornerOverAllOfIt) {
  const struct {
    std::int32_t tileWidth, tileHeight, width, height;
  } rows[] = {{556, 20, 469, 165}, {100, 20, 250, 45}, {0, 20, 469, 165}, {556, 0, 469, 165}};
  for (const auto& row : rows) {
    testing::Calls calls;
    testing::FakePixelImage target(L"target", row.width, row.height, calls);
    testing::FakePixelImage tile(L"tile", row.tileWidth, row.tileHeight, calls);

    TileBackdrop(target, tile);

    // An empty tile is not copied at all.
    EXPECT_EQ(calls.empty(), row.tileWidth == 0 || row.tileHeight == 0);
    for (std::int32_t x = 0; row.tileWidth > 0 && x < row.width; x += row.tileWidth) {
      for (std::int32_t y = 0; row.tileHeight > 0 && y < row.height; y += row.tileHeight) {
        const std::wstring copy = L"target: CopyFrom(tile, 0, 0, " + testing::Numbers({row.tileWidth, row.tileHeight, x, y}) + L")";
        EXPECT_EQ(std::count(calls.begin(), calls.end(), copy), 1) << copy;
      }
    }
  }
}

}  // namespace
}  // namespace orvane::dialog
