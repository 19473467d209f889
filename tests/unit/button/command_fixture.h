#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "button/command.h"
#include "fakes/fake_control_parts.h"
#include "fakes/fake_platform.h"

namespace orvane::button {

using Calls = std::vector<std::wstring>;

inline constexpr platform::WindowHandle kButtonWindow = 0x500;
inline constexpr platform::WindowHandle kFormWindow = 0x400;

// The container: records Click and the property reports into the shared call list.
class RecordingContainer : public CommandContainer {
 public:
  explicit RecordingContainer(Calls& calls) : calls_(calls) {}

  platform::FontDescription ambientFont{L"MS UI Gothic", 9, 400, false, false, false, 128};

  void OnClick() override { calls_.push_back(L"Click()"); }
  void PropertyChanged(const std::wstring& name) override {
    calls_.push_back(L"PropertyChanged(" + name + L")");
  }
  platform::FontDescription AmbientFont() override { return ambientFont; }

 private:
  Calls& calls_;
};

// A button on fakes of its surface, label, timer, container and the window services, all
// recording into one list, so the order of drawing, events and system calls shows.
struct CommandRig {
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
    command.OnMouseTimer();
  }

  // The picture of every face drawn since the call list was last cleared, in order: each
  // face starts with its top-left corner.
  std::vector<std::wstring> FacesDrawn() const {
    std::vector<std::wstring> faces;
    const std::wstring corner = L"DrawPicturePart(";
    for (const std::wstring& call : fake.calls) {
      if (call.rfind(corner, 0) == 0 && call.find(L", 0 0 60 60, ") != std::wstring::npos) {
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
      if (call->rfind(L"GradientFill([0 0 C600 C500 D700", 0) == 0) return true;
      if (call->rfind(L"GradientFill([0 0 FF00 FF00 FF00", 0) == 0) return false;
    }
    ADD_FAILURE() << "no gradient drawn";
    return false;
  }

  testing::FakePlatform fake;
  testing::FakeDrawingSurface surface{fake.calls};
  testing::FakeTextLabel caption{fake.calls};
  testing::FakeWindowTimer mouseTimer{fake.calls};
  RecordingContainer container{fake.calls};
  Command command{{surface, caption, mouseTimer, fake, kButtonWindow, container}};
};

class CommandTest : public ::testing::Test, public CommandRig {};

}  // namespace orvane::button
