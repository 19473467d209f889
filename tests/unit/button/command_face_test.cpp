// The face drawing: gradient, frame pieces, caption placement.
#include "command_fixture.h"

namespace orvane::button {
namespace {

class CommandFaceTest : public CommandTest {
 protected:
  // The frame pieces drawn by the last face, as "from x, y, w, h to x, y, w, h".
  Calls PiecesDrawn() const {
    Calls pieces;
    const std::wstring prefix = L"control 7: StretchFrom(COMMAND_NORMAL, ";
    for (const std::wstring& call : fake.calls) {
      if (call.rfind(prefix, 0) == 0) pieces.push_back(call.substr(prefix.size(), call.size() - prefix.size() - 1));
    }
    return pieces;
  }

  void ResizeTo(std::int32_t width, std::int32_t height) {
    control.image.Resize(width, height);
    fake.calls.clear();
    command.OnResize();
  }
};

std::wstring Text(const platform::Rect& r) {
  return std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " + std::to_wstring(r.right) +
         L" " + std::to_wstring(r.bottom);
}

TEST_F(CommandFaceTest, AFaceIsTheGradientTheEightFramePiecesAndTheCaptionAboveTheMiddle) {
  LoadAndInitialize();

  command.SetEnabled(true);

  EXPECT_EQ(fake.calls,
            (Calls{
                L"control 7: FillRectangle(0, 0, 117, 28, 14215660)",
                L"control 7: GradientFill([0, 0 FF00 FF00 FF00 0000] [116, 27 C600 C500 D700 0000] "
                L"mesh 1 0 vertical)",
                L"control 7: StretchFrom(COMMAND_NORMAL, 0, 0, 4, 4 to 0, 0, 4, 4)",
                L"control 7: StretchFrom(COMMAND_NORMAL, 4, 0, 56, 4 to 4, 0, 109, 4)",
                L"control 7: StretchFrom(COMMAND_NORMAL, 60, 0, 4, 4 to 113, 0, 4, 4)",
                L"control 7: StretchFrom(COMMAND_NORMAL, 60, 4, 4, 17 to 113, 4, 4, 20)",
                L"control 7: StretchFrom(COMMAND_NORMAL, 60, 21, 4, 4 to 113, 24, 4, 4)",
                L"control 7: StretchFrom(COMMAND_NORMAL, 4, 21, 56, 4 to 4, 24, 109, 4)",
                L"control 7: StretchFrom(COMMAND_NORMAL, 0, 21, 4, 4 to 0, 24, 4, 4)",
                L"control 7: StretchFrom(COMMAND_NORMAL, 0, 4, 4, 17 to 0, 4, 4, 20)",
                L"control 7: DrawCentredText(Command, 0, 7, 117, 13, ＭＳ Ｐゴシック 9.75, 000000)",
                L"control 7: Present",
                L"control 7: SetEnabled(true)",
            }));
}

TEST_F(CommandFaceTest, ButtonsWithoutRoomForAnEdgeDrawOnlyFullSizedCornersThatMayOverlap) {
  LoadAndInitialize();

  ResizeTo(8, 8);  // twice the frame: the corners meet
  EXPECT_EQ(PiecesDrawn(), (Calls{L"0, 0, 4, 4 to 0, 0, 4, 4", L"60, 0, 4, 4 to 4, 0, 4, 4",
                                  L"60, 21, 4, 4 to 4, 4, 4, 4", L"0, 21, 4, 4 to 0, 4, 4, 4"}));

  ResizeTo(6, 30);  // narrower than two corners
  EXPECT_EQ(PiecesDrawn(),
            (Calls{L"0, 0, 4, 4 to 0, 0, 4, 4", L"60, 0, 4, 4 to 2, 0, 4, 4",
                   L"60, 4, 4, 17 to 2, 4, 4, 22", L"60, 21, 4, 4 to 2, 26, 4, 4",
                   L"0, 21, 4, 4 to 0, 26, 4, 4", L"0, 4, 4, 17 to 0, 4, 4, 22"}));
}

TEST_F(CommandFaceTest, TheCaptionStaysTenTwipsAboveTheMiddleAndMayRiseAboveTheTop) {
  LoadAndInitialize();
  const struct {
    std::int32_t height;
    const wchar_t* box;
  } rows[] = {{25, L"0, 5, 117, 13"}, {21, L"0, 3, 117, 13"}, {40, L"0, 13, 117, 13"},
              {10, L"0, -2, 117, 13"}};
  for (const auto& row : rows) {
    ResizeTo(117, row.height);
    EXPECT_EQ(fake.calls[fake.calls.size() - 2],
              L"control 7: DrawCentredText(Command, " + std::wstring(row.box) +
                  L", ＭＳ Ｐゴシック 9.75, 000000)")
        << row.height;
  }
}

TEST_F(CommandFaceTest, TheGradientSpansTheButtonLessOnePixel) {
  LoadAndInitialize();

  ResizeTo(146, 35);

  EXPECT_EQ(fake.calls[1], L"control 7: GradientFill([0, 0 FF00 FF00 FF00 0000] "
                           L"[145, 34 C600 C500 D700 0000] mesh 1 0 vertical)");
}

TEST(FaceGeometry, AtOtherScreenFactorsTheFrameKeepsItsSixtyTwipsAndThePiecesStillMeet) {
  // 120 dpi: 12 twips to a pixel, so the frame is 5 pixels; a 146 x 35 button.
  const std::vector<FramePiece> pieces = FramePieces(146, 35, {12, 12});
  ASSERT_EQ(pieces.size(), 8u);
  EXPECT_EQ(Text(pieces[0].destination), L"0 0 5 5");
  EXPECT_EQ(Text(pieces[1].destination), L"5 0 141 5");
  EXPECT_EQ(Text(pieces[2].destination), L"141 0 146 5");
  EXPECT_EQ(Text(pieces[3].destination), L"141 5 146 30");
  EXPECT_EQ(Text(pieces[4].destination), L"141 30 146 35");
  EXPECT_EQ(Text(pieces[1].source), L"4 0 60 4");  // the picture's own pixels
  EXPECT_EQ(Text(CaptionBox(146, 35, {12, 12})), L"0 9 146 25");
  // 144 dpi and 72 dpi.
  EXPECT_EQ(Text(FramePieces(117, 28, {10, 10})[0].destination), L"0 0 6 6");
  EXPECT_EQ(Text(FramePieces(117, 28, {20, 20})[0].destination), L"0 0 3 3");
}

TEST_F(CommandFaceTest, HotFacesRunFromLavenderToWhiteAndOthersFromWhiteToLavender) {
  Reach(ButtonState::kNormal);
  command.OnMouseMove();
  EXPECT_TRUE(LastGradientReversed()) << "hot";
  EXPECT_EQ(fake.calls[1], L"control 7: GradientFill([0, 0 C600 C500 D700 0000] "
                           L"[116, 27 FF00 FF00 FF00 0000] mesh 1 0 vertical)");

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

TEST_F(CommandFaceTest, AFacePictureThatCannotBeLoadedLeavesTheGradientInItsPlace) {
  fake.forms.pictures.erase(L"COMMAND_DISABLE");
  LoadAndInitialize();

  command.SetEnabled(false);

  EXPECT_EQ(fake.calls, (Calls{L"control 7: FillRectangle(0, 0, 117, 28, 14215660)",
                               L"control 7: GradientFill([0, 0 FF00 FF00 FF00 0000] "
                               L"[116, 27 C600 C500 D700 0000] mesh 1 0 vertical)",
                               L"LoadPicture(COMMAND_DISABLE)",
                               L"control 7: DrawCentredText(Command, 0, 7, 117, 13, "
                               L"ＭＳ Ｐゴシック 9.75, 000000, greyed)",
                               L"control 7: Present", L"control 7: SetEnabled(false)"}));
}

}  // namespace
}  // namespace orvane::button
