// The push button as its user sees it: which face the mouse, the focus and the hover poll
// bring, and when a release clicks.
#include "button/command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <functional>
#include <map>
#include <sstream>

#include "fakes/fake_platform.h"

namespace orvane::button {
namespace {

constexpr platform::WindowHandle kButtonWindow = 0x6007;
constexpr platform::WindowHandle kFormWindow = 0x400;

// The platform with the button's face pictures, and the pointer over the form.
struct FakeWithFaces : testing::FakePlatform {
  FakeWithFaces() {
    for (const FacePicture picture : kFacePictures) forms.pictures[ResourceName(picture)] = {64, 25};
    cursorPosition = platform::Point{70, 45};
    windowUnderCursor = kFormWindow;
  }
};

// Button 7, 117 x 28 pixels, on a fake form; what the button draws, the system calls and its
// clicks ("Click()") go into one list, so their order shows.
struct CommandRig {
  // Plays `script` on the button once its container has initialised it, and returns what the
  // user saw. Its words: "move" (the pointer moves over the button), "leave" (the pointer goes
  // elsewhere and the hover poll ticks), "poll", "nocursor" (the poll ticks where the cursor
  // cannot be found), "focus", "blur", "press" and "release" of the left mouse button,
  // "right-…" and "middle-…" of the others, "lost" (the presses ended out of the button's
  // sight), "resize", "disable" and "enable".
  std::wstring Play(const std::string& script) {
    command.Initialize();
    fake.calls.clear();
    const auto poll = [&] { control.Tick(kMouseTimer); };
    const std::map<std::string, std::function<void()>> events = {
        {"move", [&] { fake.windowUnderCursor = kButtonWindow; command.OnMouseMove(); }},
        {"leave", [&] { fake.windowUnderCursor = kFormWindow; poll(); }},
        {"poll", poll},
        {"nocursor", [&] { fake.cursorPosition.reset(); poll(); }},
        {"focus", [&] { command.OnGotFocus(); }},
        {"blur", [&] { command.OnLostFocus(); }},
        {"lost", [&] { command.OnPressesLost(); }},
        {"resize", [&] { command.OnResize(); }},
        {"disable", [&] { command.SetEnabled(false); }},
        {"enable", [&] { command.SetEnabled(true); }},
        {"press", [&] { command.OnMouseDown(MouseButton::kLeft); }},
        {"release", [&] { command.OnMouseUp(MouseButton::kLeft); }},
        {"right-press", [&] { command.OnMouseDown(MouseButton::kRight); }},
        {"right-release", [&] { command.OnMouseUp(MouseButton::kRight); }},
        {"middle-press", [&] { command.OnMouseDown(MouseButton::kMiddle); }},
        {"middle-release", [&] { command.OnMouseUp(MouseButton::kMiddle); }},
    };
    std::istringstream words(script);
    for (std::string word; words >> word;) events.at(word)();
    return Seen();
  }
  // What the user saw: the picture of each face presented ("normal", "highlight", ...; "plain"
  // when none was drawn), "^" added when its gradient ran upside down, lavender at the top;
  // and "click" for each click.
  std::wstring Seen() const {
    std::wstring seen, face = L"plain";
    bool upsideDown = false;
    const std::wstring corner = L"control 7: StretchFrom(COMMAND_", gradient = L"control 7: GradientFill(";
    for (const std::wstring& call : fake.calls) {
      if (call.rfind(gradient, 0) == 0) upsideDown = call.rfind(gradient + L"0, 0, 50688", 0) == 0;
      if (call.rfind(corner, 0) == 0 && call.find(L", 0, 0, 4, 4, 0, 0,") != std::wstring::npos) {
        face = call.substr(corner.size(), call.find(L',') - corner.size());
        std::transform(face.begin(), face.end(), face.begin(), [](wchar_t c) { return wchar_t(std::towlower(c)); });
      }
      if (call == L"control 7: Present") {
        seen += L" " + face + (upsideDown ? L"^" : L"");
        face = L"plain";
      }
      if (call == L"Click()") seen += L" click";
    }
    return seen.empty() ? seen : seen.substr(1);
  }

  FakeWithFaces fake;
  testing::FakeControl form{0, platform::BoxAt(0, 0, 400, 300), kFormWindow, fake.calls};
  Command command{form, 7, platform::BoxAt(20, 20, 117, 28), L"設定",
                  {L"ＭＳ Ｐゴシック", 9.75, 400, false, false, false, platform::kShiftJisCharset},
                  fake.services, [this] { fake.calls.push_back(L"Click()"); }};
  testing::FakeControl& control = *form.Find(7);
};

TEST(CommandInput, FacesAndClicksFollowTheMouseTheFocusAndThePoll) {
  const struct {
    const char* script;
    const wchar_t* seen;
  } rows[] = {
      // Hovering: the highlight comes with a move and goes with the poll that finds the pointer
      // elsewhere, or nowhere.
      {"move move poll", L"highlight^"},
      {"move leave", L"highlight^ normal"},
      {"move nocursor", L"highlight^ normal"},
      {"focus move move leave blur blur", L"selected highlightselect selected normal"},
      // A click: the focus comes first, and over a hot button shows it pressed.
      {"move focus press release leave blur",
       L"highlight^ pressed^ pressed^ highlightselect^ click selected normal"},
      // Dragged off past a poll and back, the release cancels; the next move highlights again.
      {"move focus press leave move release move", L"highlight^ pressed^ pressed^ selected highlightselect"},
      // The other buttons click only when released over the button, and leave the left's hold.
      {"move right-press right-release", L"highlight^ click"},
      {"move middle-press leave middle-release", L"highlight^ normal"},
      {"move focus press right-press right-release release",
       L"highlight^ pressed^ pressed^ click highlightselect^ click"},
      // A release whose press did not go down on the button, or ended out of its sight, is
      // nobody's click.
      {"move release right-release middle-release", L"highlight^"},
      {"move focus press lost release", L"highlight^ pressed^ pressed^"},
      {"move focus press middle-press right-release", L"highlight^ pressed^ pressed^"},
      // Resizing shows the enabled or the disabled face whatever the state.
      {"focus move resize", L"selected highlightselect normal"},
      {"disable resize", L"disable disable"},
      // A disabled button ignores the mouse and the focus, and keeps its state for later.
      {"move disable press release right-press right-release focus blur leave move enable",
       L"highlight^ disable^ normal^"},
  };
  for (const auto& row : rows) EXPECT_EQ(CommandRig().Play(row.script), row.seen) << row.script;

  // A new button shows its caption in black over the normal face, and its window bears it.
  CommandRig rig;
  EXPECT_EQ(rig.Seen(), L"normal");
  EXPECT_EQ(rig.fake.calls.end()[-2], L"control 7: DrawCentredText(設定, 0, 7, 117, 13, ＭＳ Ｐゴシック, 9.75, 0)");
  EXPECT_EQ(std::count(rig.fake.calls.begin(), rig.fake.calls.end(), L"SetWindowTitle(24583, 設定)"), 1);
  rig.command.Initialize();
  EXPECT_EQ(rig.control.timers, (std::map<int, std::uint32_t>{{kMouseTimer, 100}}));
}

}  // namespace
}  // namespace orvane::button
