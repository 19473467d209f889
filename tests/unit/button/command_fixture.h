#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "button/command.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_platform.h"

namespace orvane::button {

using Calls = std::vector<std::wstring>;

inline constexpr int kButtonId = 7;
inline constexpr platform::WindowHandle kButtonWindow = 0x6000 + kButtonId;
inline constexpr platform::WindowHandle kFormWindow = 0x400;

// A button on a fake form, 117 x 28 pixels, with the fake platform behind it; the drawing into
// its image ("control 7: ..."), the system calls and its Click ("Click()") go into one list, so
// their order shows.
struct CommandRig {
  CommandRig() {
    for (const FacePicture picture : kFacePictures) fake.forms.pictures[ResourceName(picture)] = {64, 25};
  }

  // A button as the running program has it: loaded from saved properties holding nothing
  // but defaults, and initialised by its container.
  void LoadAndInitialize() {
    command.ReadProperties(platform::PropertyBag{});
    command.Initialize();
    fake.calls.clear();
  }

  // Drives a new button into `state` through the events that lead there: loaded, and for
  // every state but kNotInitialized initialised too.
  void Reach(ButtonState state) {
    if (state == ButtonState::kNotInitialized) {
      command.ReadProperties(platform::PropertyBag{});
      fake.calls.clear();
      return;
    }
    LoadAndInitialize();
    if (state == ButtonState::kHot) command.OnMouseMove();
    if (state == ButtonState::kFocused || state == ButtonState::kFocusedAndHot) {
      command.OnGotFocus();
    }
    if (state == ButtonState::kFocusedAndHot) command.OnMouseMove();
    ASSERT_EQ(command.buttonState(), state);
    fake.calls.clear();
  }

  // A tick of the hover poll with the cursor at (70, 45) over `window`.
  void PollWithCursorOver(platform::WindowHandle window) {
    fake.cursorPosition = platform::Point{70, 45};
    fake.windowUnderCursor = window;
    command.OnTimer(kMouseTimer);
  }

  // The picture of every face drawn since the call list was last cleared, in order: each
  // face starts with its top-left corner.
  std::vector<std::wstring> FacesDrawn() const {
    std::vector<std::wstring> faces;
    const std::wstring corner = L"control 7: StretchFrom(";
    for (const std::wstring& call : fake.calls) {
      if (call.rfind(corner, 0) == 0 && call.find(L", 0, 0, 4, 4 to ") != std::wstring::npos) {
        faces.push_back(call.substr(corner.size(), call.find(L',') - corner.size()));
      }
    }
    return faces;
  }

  int Clicks() const {
    int clicks = 0;
    for (const std::wstring& call : fake.calls) clicks += call == L"Click()";
    return clicks;
  }

  // The gradient drawn last: true when it runs from the lavender grey at the top to white.
  bool LastGradientReversed() const {
    for (auto call = fake.calls.rbegin(); call != fake.calls.rend(); ++call) {
      if (call->rfind(L"control 7: GradientFill([0, 0 C600 C500 D700", 0) == 0) return true;
      if (call->rfind(L"control 7: GradientFill([0, 0 FF00 FF00 FF00", 0) == 0) return false;
    }
    ADD_FAILURE() << "no gradient drawn";
    return false;
  }

  testing::FakePlatform fake;
  testing::FakeControlContainer form{L"form", kFormWindow, fake.calls};
  Command command{form, kButtonId, platform::BoxAt(20, 20, 117, 28), fake.services,
                  [this] { fake.calls.push_back(L"Click()"); }};
  testing::FakeDrawnControl& control = *form.FindDrawnControl(kButtonId);
};

class CommandTest : public ::testing::Test, public CommandRig {};

}  // namespace orvane::button
