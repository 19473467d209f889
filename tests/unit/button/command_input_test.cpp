// The button's state machine: mouse, focus, hover poll and Click.
#include <algorithm>

#include "command_fixture.h"

namespace orvane::button {
namespace {

using Faces = std::vector<std::wstring>;

constexpr ButtonState kAllStates[] = {ButtonState::kNotInitialized, ButtonState::kNormal,
                                      ButtonState::kHot, ButtonState::kFocused,
                                      ButtonState::kFocusedAndHot};

class CommandInputTest : public CommandTest {};

TEST_F(CommandInputTest, InitializeStartsTheHundredMillisecondPollInTheNormalStateWithoutDrawing) {
  command.ReadProperties(platform::PropertyBag{});
  fake.calls.clear();

  command.Initialize();

  EXPECT_EQ(command.buttonState(), ButtonState::kNormal);
  EXPECT_EQ(fake.calls, Calls{L"control 7: EnableTimer(1, 100)"});
}

TEST_F(CommandInputTest, MouseMoveMakesANormalButtonHotAndAFocusedOneFocusedAndHot) {
  const struct {
    ButtonState from;
    ButtonState to;
    Faces faces;
  } rows[] = {
      {ButtonState::kNotInitialized, ButtonState::kNotInitialized, {}},
      {ButtonState::kNormal, ButtonState::kHot, {L"COMMAND_HIGHLIGHT"}},
      {ButtonState::kHot, ButtonState::kHot, {}},
      {ButtonState::kFocused, ButtonState::kFocusedAndHot, {L"COMMAND_HIGHLIGHTSELECT"}},
      {ButtonState::kFocusedAndHot, ButtonState::kFocusedAndHot, {}},
  };
  for (const auto& row : rows) {
    CommandRig rig;
    rig.Reach(row.from);
    rig.command.OnMouseMove();
    EXPECT_EQ(rig.command.buttonState(), row.to) << "from " << int(row.from);
    EXPECT_EQ(rig.FacesDrawn(), row.faces) << "from " << int(row.from);
  }
}

TEST_F(CommandInputTest, PollLeavesTheHotStatesWhenTheWindowUnderTheCursorIsNotTheButton) {
  for (const platform::WindowHandle elsewhere : {kFormWindow, platform::WindowHandle{0x999}}) {
    CommandRig hot;
    hot.Reach(ButtonState::kHot);
    hot.PollWithCursorOver(elsewhere);
    EXPECT_EQ(hot.command.buttonState(), ButtonState::kNormal);
    EXPECT_EQ(hot.fake.calls[0], L"GetCursorPos()");
    EXPECT_EQ(hot.fake.calls[1], L"WindowFromPoint(70, 45)");
    EXPECT_EQ(hot.FacesDrawn(), Faces{L"COMMAND_NORMAL"});

    CommandRig focusedAndHot;
    focusedAndHot.Reach(ButtonState::kFocusedAndHot);
    focusedAndHot.PollWithCursorOver(elsewhere);
    EXPECT_EQ(focusedAndHot.command.buttonState(), ButtonState::kFocused);
    EXPECT_EQ(focusedAndHot.FacesDrawn(), Faces{L"COMMAND_SELECTED"});
  }
}

TEST_F(CommandInputTest, PollOverTheButtonOrInTheQuietStatesDrawsNothing) {
  Reach(ButtonState::kHot);
  PollWithCursorOver(kButtonWindow);
  EXPECT_EQ(command.buttonState(), ButtonState::kHot);
  EXPECT_TRUE(FacesDrawn().empty());

  for (const ButtonState state : {ButtonState::kNormal, ButtonState::kFocused}) {
    CommandRig rig;
    rig.Reach(state);
    rig.PollWithCursorOver(kFormWindow);
    EXPECT_EQ(rig.command.buttonState(), state);
    EXPECT_TRUE(rig.FacesDrawn().empty());
  }
}

TEST_F(CommandInputTest, PollTakesACursorThatCannotBeFoundAsOutsideTheButton) {
  Reach(ButtonState::kHot);
  fake.cursorPosition.reset();

  command.OnTimer(kMouseTimer);

  EXPECT_EQ(command.buttonState(), ButtonState::kNormal);
  EXPECT_EQ(FacesDrawn(), Faces{L"COMMAND_NORMAL"});
}

TEST_F(CommandInputTest, GotFocusSelectsTheButtonOrShowsItPressedWhenTheMouseIsOverIt) {
  for (const ButtonState from : kAllStates) {
    CommandRig rig;
    rig.Reach(from);
    rig.command.OnGotFocus();
    if (from == ButtonState::kHot) {
      EXPECT_EQ(rig.command.buttonState(), ButtonState::kFocusedAndHot);
      EXPECT_EQ(rig.FacesDrawn(), Faces{L"COMMAND_PRESSED"});
    } else {
      EXPECT_EQ(rig.command.buttonState(), ButtonState::kFocused) << "from " << int(from);
      EXPECT_EQ(rig.FacesDrawn(), Faces{L"COMMAND_SELECTED"}) << "from " << int(from);
    }
  }
}

TEST_F(CommandInputTest, LostFocusReturnsEveryOtherStateToNormal) {
  for (const ButtonState from : kAllStates) {
    CommandRig rig;
    rig.Reach(from);
    rig.command.OnLostFocus();
    EXPECT_EQ(rig.command.buttonState(), ButtonState::kNormal) << "from " << int(from);
    const Faces expected = from == ButtonState::kNormal ? Faces{} : Faces{L"COMMAND_NORMAL"};
    EXPECT_EQ(rig.FacesDrawn(), expected) << "from " << int(from);
  }
}

TEST_F(CommandInputTest, LeftPressShowsPressedAndHoldsInEveryStateAndOtherPressesDrawNothing) {
  for (const ButtonState from : kAllStates) {
    CommandRig rig;
    rig.Reach(from);
    rig.command.OnMouseDown(MouseButton::kRight);
    rig.command.OnMouseDown(MouseButton::kMiddle);
    EXPECT_TRUE(rig.fake.calls.empty());
    EXPECT_FALSE(rig.command.mouseHeld());
    rig.command.OnMouseDown(MouseButton::kLeft);
    EXPECT_EQ(rig.command.buttonState(), from);
    EXPECT_TRUE(rig.command.mouseHeld());
    EXPECT_EQ(rig.FacesDrawn(), Faces{L"COMMAND_PRESSED"});
  }
}

TEST_F(CommandInputTest, LeftReleaseDrawsItsFaceThenClicksUnlessOnlyFocused) {
  const struct {
    ButtonState from;
    Calls afterFace;  // what follows the face drawing, if any
    Faces faces;
  } rows[] = {
      {ButtonState::kNotInitialized, {L"Click()"}, {}},
      {ButtonState::kNormal, {L"Click()"}, {}},
      {ButtonState::kHot, {L"control 7: Present", L"Click()"}, {L"COMMAND_NORMAL"}},
      {ButtonState::kFocused, {}, {}},
      {ButtonState::kFocusedAndHot,
       {L"control 7: Present", L"Click()"},
       {L"COMMAND_HIGHLIGHTSELECT"}},
  };
  for (const auto& row : rows) {
    CommandRig rig;
    rig.Reach(row.from);
    rig.command.OnMouseDown(MouseButton::kLeft);
    rig.fake.calls.clear();

    rig.command.OnMouseUp(MouseButton::kLeft);

    const Calls& calls = rig.fake.calls;
    EXPECT_EQ(rig.command.buttonState(), row.from);
    EXPECT_FALSE(rig.command.mouseHeld());
    EXPECT_EQ(rig.FacesDrawn(), row.faces) << "from " << int(row.from);
    const Calls tail(calls.end() - std::min(calls.size(), row.afterFace.size()), calls.end());
    EXPECT_EQ(tail, row.afterFace) << "from " << int(row.from);
    EXPECT_EQ(rig.Clicks(), row.afterFace.empty() ? 0 : 1) << "from " << int(row.from);
  }
}

TEST_F(CommandInputTest, RightAndMiddleClickOnlyOverTheButtonWithoutDrawingOrTouchingTheHold) {
  for (const MouseButton button : {MouseButton::kRight, MouseButton::kMiddle}) {
    for (const ButtonState from : kAllStates) {
      CommandRig rig;
      rig.Reach(from);
      rig.fake.cursorPosition = platform::Point{70, 45};
      rig.fake.windowUnderCursor = kButtonWindow;
      rig.command.OnMouseDown(MouseButton::kLeft);
      rig.command.OnMouseDown(button);
      rig.fake.calls.clear();

      rig.command.OnMouseUp(button);

      EXPECT_TRUE(rig.command.mouseHeld());
      EXPECT_EQ(rig.command.buttonState(), from);
      const Calls expected =
          from == ButtonState::kFocused
              ? Calls{}
              : Calls{L"GetCursorPos()", L"WindowFromPoint(70, 45)", L"Click()"};
      EXPECT_EQ(rig.fake.calls, expected) << "from " << int(from);
    }

    // They give no focus, so only the pointer tells where they were released.
    CommandRig off;
    off.Reach(ButtonState::kHot);
    off.command.OnMouseDown(button);
    off.PollWithCursorOver(kFormWindow);
    off.command.OnMouseUp(button);
    EXPECT_EQ(off.Clicks(), 0);
  }
}

// A press on a window that closes under the pointer, or the start of a drag from elsewhere,
// leaves its release to land on the button; so does a press whose release went unseen.
TEST_F(CommandInputTest, AReleaseWithoutItsPressOnTheButtonNeverClicks) {
  constexpr MouseButton kButtons[] = {MouseButton::kLeft, MouseButton::kRight,
                                      MouseButton::kMiddle};
  for (const MouseButton button : kButtons) {
    for (const ButtonState from : kAllStates) {
      for (const bool pressForgotten : {false, true}) {
        CommandRig rig;
        rig.Reach(from);
        rig.fake.cursorPosition = platform::Point{70, 45};
        rig.fake.windowUnderCursor = kButtonWindow;
        if (pressForgotten) {
          rig.command.OnMouseDown(button);
          rig.command.OnPressesLost();
        } else {
          // Another button's press is no press of this one.
          for (const MouseButton other : kButtons) {
            if (other != button) rig.command.OnMouseDown(other);
          }
        }
        rig.fake.calls.clear();

        rig.command.OnMouseUp(button);

        EXPECT_TRUE(rig.fake.calls.empty())
            << "button " << int(button) << " from " << int(from) << " forgotten " << pressForgotten;
      }
    }
  }
}

TEST_F(CommandInputTest, ResizeDrawsTheEnabledOrDisabledFaceInAnyState) {
  Reach(ButtonState::kFocusedAndHot);
  command.OnResize();
  EXPECT_EQ(FacesDrawn(), Faces{L"COMMAND_NORMAL"});
  EXPECT_EQ(command.buttonState(), ButtonState::kFocusedAndHot);

  command.SetEnabled(false);
  fake.calls.clear();
  command.OnResize();
  EXPECT_EQ(FacesDrawn(), Faces{L"COMMAND_DISABLE"});
  EXPECT_EQ(command.buttonState(), ButtonState::kFocusedAndHot);
}

TEST_F(CommandInputTest, ANormalClickGoesHotPressedHighlightedSelectedAndNormal) {
  Reach(ButtonState::kNormal);

  command.OnMouseMove();                     // the mouse comes over the button
  command.OnGotFocus();                      // the press takes the focus first
  command.OnMouseDown(MouseButton::kLeft);
  command.OnMouseUp(MouseButton::kLeft);     // released over the button
  PollWithCursorOver(kFormWindow);           // the mouse leaves
  command.OnLostFocus();                     // the focus moves on

  EXPECT_EQ(FacesDrawn(), (Faces{L"COMMAND_HIGHLIGHT", L"COMMAND_PRESSED", L"COMMAND_PRESSED",
                                 L"COMMAND_HIGHLIGHTSELECT", L"COMMAND_SELECTED",
                                 L"COMMAND_NORMAL"}));
  EXPECT_EQ(Clicks(), 1);
  EXPECT_EQ(command.buttonState(), ButtonState::kNormal);
}

TEST_F(CommandInputTest, DraggingOffAHeldButtonPastAPollAndBackCancelsTheClick) {
  Reach(ButtonState::kHot);
  command.OnGotFocus();
  command.OnMouseDown(MouseButton::kLeft);

  PollWithCursorOver(kFormWindow);  // dragged off
  EXPECT_EQ(command.buttonState(), ButtonState::kFocused);
  command.OnMouseMove();            // and back over the button
  EXPECT_EQ(command.buttonState(), ButtonState::kFocused);
  fake.calls.clear();
  command.OnMouseUp(MouseButton::kLeft);

  EXPECT_EQ(Clicks(), 0);
  EXPECT_TRUE(fake.calls.empty());
  command.OnMouseMove();            // the next move after the release
  EXPECT_EQ(FacesDrawn(), Faces{L"COMMAND_HIGHLIGHTSELECT"});
}

TEST_F(CommandInputTest, ReleaseOffTheButtonBeforeAPollStillClicks) {
  Reach(ButtonState::kHot);
  command.OnGotFocus();
  command.OnMouseDown(MouseButton::kLeft);
  fake.calls.clear();

  command.OnMouseUp(MouseButton::kLeft);
  PollWithCursorOver(kFormWindow);

  EXPECT_EQ(Clicks(), 1);
  EXPECT_EQ(FacesDrawn(), (Faces{L"COMMAND_HIGHLIGHTSELECT", L"COMMAND_SELECTED"}));
}

TEST_F(CommandInputTest, ADisabledButtonIgnoresEverythingButResizeAndEnabled) {
  Reach(ButtonState::kHot);
  command.SetEnabled(false);
  fake.calls.clear();

  command.OnMouseMove();
  command.OnMouseDown(MouseButton::kLeft);
  command.OnMouseUp(MouseButton::kLeft);
  command.OnMouseUp(MouseButton::kRight);
  command.OnGotFocus();
  command.OnLostFocus();
  PollWithCursorOver(kFormWindow);

  EXPECT_EQ(fake.calls, (Calls{L"GetCursorPos()", L"WindowFromPoint(70, 45)"}));
  EXPECT_EQ(command.buttonState(), ButtonState::kHot);
  EXPECT_FALSE(command.mouseHeld());

  command.SetEnabled(true);  // the frozen state stays: normal face while still "hot"
  EXPECT_EQ(FacesDrawn(), Faces{L"COMMAND_NORMAL"});
  EXPECT_EQ(command.buttonState(), ButtonState::kHot);
}

TEST_F(CommandInputTest, AButtonNeverInitialisedFollowsTheMouseOnlyAfterTakingTheFocus) {
  Reach(ButtonState::kNotInitialized);

  command.OnMouseMove();
  EXPECT_TRUE(fake.calls.empty());
  command.OnGotFocus();
  command.OnMouseMove();

  EXPECT_EQ(FacesDrawn(), (Faces{L"COMMAND_SELECTED", L"COMMAND_HIGHLIGHTSELECT"}));
  EXPECT_EQ(command.buttonState(), ButtonState::kFocusedAndHot);
  EXPECT_TRUE(control.timers.empty());
}

TEST_F(CommandInputTest, TabbingOntoAHotButtonShowsPressedUntilThePollSeesTheMouseLeave) {
  Reach(ButtonState::kHot);

  command.OnGotFocus();
  PollWithCursorOver(kFormWindow);

  EXPECT_EQ(FacesDrawn(), (Faces{L"COMMAND_PRESSED", L"COMMAND_SELECTED"}));
  EXPECT_EQ(command.buttonState(), ButtonState::kFocused);
  EXPECT_EQ(Clicks(), 0);
}

}  // namespace
}  // namespace orvane::button
