// The face drawing: gradient, frame pieces in twips, caption placement.
#include "command_fixture.h"

namespace orvane::button {
namespace {

class CommandFaceTest : public CommandTest {};

TEST_F(CommandFaceTest, AFaceIsTheGradientTheEightFramePiecesAndTheCaptionAboveTheMiddle) {
  LoadAndInitialize();

  command.SetEnabled(true);

  EXPECT_EQ(fake.calls,
            (Calls{
                L"PropertyChanged(Enabled)",
                L"Clear()",
                L"GradientFill([0 0 FF00 FF00 FF00 0000] [116 27 C600 C500 D700 0000] "
                L"mesh 1 0 vertical)",
                L"DrawPicturePart(COMMAND_NORMAL, 0 0 60 60, 1 1 60 60)",
                L"DrawPicturePart(COMMAND_NORMAL, 60 1 840 60, 60 1 1635 60)",
                L"DrawPicturePart(COMMAND_NORMAL, 900 1 60 60, 1695 1 60 60)",
                L"DrawPicturePart(COMMAND_NORMAL, 900 60 60 255, 1695 60 60 300)",
                L"DrawPicturePart(COMMAND_NORMAL, 900 315 60 60, 1695 360 60 60)",
                L"DrawPicturePart(COMMAND_NORMAL, 60 315 840 60, 60 360 1635 60)",
                L"DrawPicturePart(COMMAND_NORMAL, 0 315 60 60, 1 360 60 60)",
                L"DrawPicturePart(COMMAND_NORMAL, 1 60 60 255, 1 60 60 300)",
                L"Present()",
                L"Label.Move(0 102.5 1755 195)",
                L"Label.SetEnabled(true)",
            }));
}

TEST_F(CommandFaceTest, AButtonOfTwiceTheFrameLosesItsEdgesAndItsCornersMeet) {
  LoadAndInitialize();
  surface.widthTwips = 120;
  surface.heightTwips = 120;

  command.OnResize();

  EXPECT_EQ(Calls(fake.calls.begin() + 2, fake.calls.begin() + 6),
            (Calls{
                L"DrawPicturePart(COMMAND_NORMAL, 0 0 60 60, 1 1 60 60)",
                L"DrawPicturePart(COMMAND_NORMAL, 900 1 60 60, 60 1 60 60)",
                L"DrawPicturePart(COMMAND_NORMAL, 900 315 60 60, 60 60 60 60)",
                L"DrawPicturePart(COMMAND_NORMAL, 0 315 60 60, 1 60 60 60)",
            }));
  EXPECT_EQ(fake.calls[6], L"Present()");
}

TEST_F(CommandFaceTest, AButtonSmallerThanItsFrameDrawsOnlyFullSizedCornersThatOverlap) {
  LoadAndInitialize();
  surface.widthTwips = 90;
  surface.heightTwips = 450;

  command.OnResize();

  EXPECT_EQ(Calls(fake.calls.begin() + 2, fake.calls.begin() + 8),
            (Calls{
                L"DrawPicturePart(COMMAND_NORMAL, 0 0 60 60, 1 1 60 60)",
                L"DrawPicturePart(COMMAND_NORMAL, 900 1 60 60, 30 1 60 60)",
                L"DrawPicturePart(COMMAND_NORMAL, 900 60 60 255, 30 60 60 330)",
                L"DrawPicturePart(COMMAND_NORMAL, 900 315 60 60, 30 390 60 60)",
                L"DrawPicturePart(COMMAND_NORMAL, 0 315 60 60, 1 390 60 60)",
                L"DrawPicturePart(COMMAND_NORMAL, 1 60 60 255, 1 60 60 330)",
            }));
}

TEST_F(CommandFaceTest, TheCaptionStaysTenTwipsAboveTheMiddleAndMayRiseAboveTheTop) {
  LoadAndInitialize();
  const struct {
    std::int32_t height;
    const wchar_t* box;
  } rows[] = {{600, L"Label.Move(0 192.5 1755 195)"}, {150, L"Label.Move(0 -32.5 1755 195)"}};
  for (const auto& row : rows) {
    surface.heightTwips = row.height;
    fake.calls.clear();
    command.OnResize();
    EXPECT_EQ(fake.calls[fake.calls.size() - 2], row.box);
  }
}

TEST_F(CommandFaceTest, TheGradientSpansTheSurfaceInPixelsLessOne) {
  LoadAndInitialize();
  surface.widthPixels = 146;
  surface.heightPixels = 35;

  command.OnResize();

  EXPECT_EQ(fake.calls[1], L"GradientFill([0 0 FF00 FF00 FF00 0000] [145 34 C600 C500 D700 0000] "
                           L"mesh 1 0 vertical)");
}

TEST_F(CommandFaceTest, HotFacesRunFromLavenderToWhiteAndOthersFromWhiteToLavender) {
  Reach(ButtonState::kNormal);
  command.OnMouseMove();
  EXPECT_TRUE(LastGradientReversed()) << "hot";
  EXPECT_EQ(fake.calls[1], L"GradientFill([0 0 C600 C500 D700 0000] [116 27 FF00 FF00 FF00 0000] "
                           L"mesh 1 0 vertical)");

  command.OnGotFocus();  // focus while hot: state 4 keeps the reversed gradient
  EXPECT_TRUE(LastGradientReversed()) << "focused and hot, from hot";
  command.OnMouseDown(MouseButton::kLeft);  // a second drawing in state 4
  EXPECT_TRUE(LastGradientReversed()) << "focused and hot, drawn again";

  PollWithCursorOver(kFormWindow);
  EXPECT_FALSE(LastGradientReversed()) << "focused";
  command.OnMouseMove();  // the mouse comes over the focused button: state 4 from 3
  EXPECT_FALSE(LastGradientReversed()) << "focused and hot, from focused";

  command.OnLostFocus();
  EXPECT_FALSE(LastGradientReversed()) << "normal";
}

}  // namespace
}  // namespace orvane::button
