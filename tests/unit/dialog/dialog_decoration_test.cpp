#include "dialog/dialog_decoration.h"

#include <gtest/gtest.h>

#include "dialog_fixture.h"

namespace orvane::dialog {
namespace {

TEST(DialogBackground, RowsRunFromDarkBlueAtTheEdgesToTheLightBandInTheMiddle) {
  EXPECT_EQ(BackgroundRowColour(0, 246), 0x1E0000u);    // (0, 0, 30)
  EXPECT_EQ(BackgroundRowColour(123, 246), 0xFADCDCu);  // (220, 220, 250)
  EXPECT_EQ(BackgroundRowColour(245, 246), 0x210303u);  // (3, 3, 33)
  EXPECT_EQ(BackgroundRowColour(246, 246), 0x1E0000u);
  EXPECT_EQ(BackgroundRowColour(61, 246), 0xB99B9Bu);   // (155, 155, 185)
  // An odd height has no row exactly in the middle.
  EXPECT_EQ(BackgroundRowColour(122, 245), 0xFADCDCu);
}

TEST_F(DialogTest, TheBackgroundIsOneLineAcrossPerRowFromTheTopToOneRowBelowTheBottom) {
  Open({0, 0, L""});

  const Calls lines = CallsBeginningWith({L"window: DrawLine("});
  ASSERT_EQ(lines.size(), 247u);
  EXPECT_EQ(lines[0], L"window: DrawLine(0, 0, 495, 0, 1966080)");
  EXPECT_EQ(lines[123], L"window: DrawLine(0, 123, 495, 123, 16440540)");
  EXPECT_EQ(lines[246], L"window: DrawLine(0, 246, 495, 246, 1966080)");
}

// The calls of one TileBackdrop into "target", 469 x 165 unless given.
Calls Tiling(std::int32_t tileWidth, std::int32_t tileHeight, std::int32_t width = 469,
             std::int32_t height = 165) {
  Calls calls;
  testing::FakePixelImage target(L"target", width, height, calls);
  testing::FakePixelImage tile(L"tile", tileWidth, tileHeight, calls);
  TileBackdrop(target, tile);
  return calls;
}

TEST(DialogBackdrop, TheTileGoesDownEachColumnPastTheBottomThenOneColumnPastTheRightEdge) {
  const Calls calls = Tiling(556, 20);

  ASSERT_EQ(calls.size(), 20u);
  EXPECT_EQ(calls[0], L"target: CopyFrom(tile, 0, 0, 556, 20, 0, 0)");
  EXPECT_EQ(calls[1], L"target: CopyFrom(tile, 0, 0, 556, 20, 0, 20)");
  EXPECT_EQ(calls[8], L"target: CopyFrom(tile, 0, 0, 556, 20, 0, 160)");
  EXPECT_EQ(calls[9], L"target: CopyFrom(tile, 0, 0, 556, 20, 0, 180)");
  EXPECT_EQ(calls[10], L"target: CopyFrom(tile, 0, 0, 556, 20, 556, 0)");
  EXPECT_EQ(calls[19], L"target: CopyFrom(tile, 0, 0, 556, 20, 556, 180)");
}

TEST(DialogBackdrop, ANarrowTileFillsSeveralColumns) {
  const Calls calls = Tiling(100, 20, 250, 45);

  // Columns at 0, 100, 200 and 300, each with tiles at 0, 20, 40 and 60.
  ASSERT_EQ(calls.size(), 16u);
  EXPECT_EQ(calls[3], L"target: CopyFrom(tile, 0, 0, 100, 20, 0, 60)");
  EXPECT_EQ(calls[4], L"target: CopyFrom(tile, 0, 0, 100, 20, 100, 0)");
  EXPECT_EQ(calls[15], L"target: CopyFrom(tile, 0, 0, 100, 20, 300, 60)");
}

TEST(DialogBackdrop, AnEmptyTileCopiesNothing) {
  EXPECT_TRUE(Tiling(0, 20).empty());
  EXPECT_TRUE(Tiling(556, 0).empty());
}

TEST_F(DialogTest, WithoutItsTileThePanelStaysUntiledAndTheDialogStillOpens) {
  fake.forms.pictures.clear();

  Open({1, 12, L""});

  EXPECT_TRUE(CallsBeginningWith({L"picture 124: CopyFrom"}).empty());
  EXPECT_EQ(TrackBox().text, L"12");
  EXPECT_EQ(fake.calls.back(), L"ShowModal");
}

TEST_F(DialogTest, TheLinkShowsTheHomePageWithAHandAndAClickOpensItUnderTheHourglass) {
  OpenQuietly({0, 0, L""});

  dialog.OnControlClick(kLink);

  EXPECT_EQ(Label(kLink).caption, L"http://3dorvane.example.com/");
  EXPECT_EQ(Label(kLink).style.pointer, platform::Pointer::kHand);
  EXPECT_EQ(fake.calls,
            (Calls{
                L"SetScreenPointer(hourglass)",
                L"OpenWithShell(23130, open, http://3dorvane.example.com/, , , 1)",
                L"SetScreenPointer(default)",
            }));
}

}  // namespace
}  // namespace orvane::dialog
