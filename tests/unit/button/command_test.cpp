// The push button as its user sees it: which face the mouse, the focus and the hover poll
// bring, when a release clicks, and what its saved properties show.
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
const std::wstring kCaption = L"Command, 0, 7, 117, 13, ＭＳ Ｐゴシック, 9.75, 0";  // as drawn

// Button 7, 117 x 28 pixels, on a fake form with the pointer over the form; what the button
// draws, the system calls and its clicks ("Click()") go into one list, so their order shows.
struct CommandRig {
  CommandRig() {
    for (const FacePicture picture : kFacePictures) fake.forms.pictures[ResourceName(picture)] = {64, 25};
    fake.cursorPosition = platform::Point{70, 45};
    fake.windowUnderCursor = kFormWindow;
  }

  // What the user saw: the picture of each face presented ("normal", "highlight", ...; "plain"
  // when none was drawn), "^" added when its gradient ran upside down, lavender at the top;
  // and "click" for each click.
  std::wstring Seen() const {
    std::wstring seen, face = L"plain";
    bool upsideDown = false;
    const std::wstring corner = L"control 7: StretchFrom(COMMAND_";
    for (const std::wstring& call : fake.calls) {
      if (call.rfind(L"control 7: GradientFill(", 0) == 0) upsideDown = call.rfind(L"control 7: GradientFill(0, 0, 50688", 0) == 0;
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

  testing::FakePlatform fake;
  testing::FakeControl form{0, platform::BoxAt(0, 0, 400, 300), kFormWindow, fake.calls};
  Command command{form, 7, platform::BoxAt(20, 20, 117, 28), fake.services, [this] { fake.calls.push_back(L"Click()"); }};
  testing::FakeControl& control = *form.Find(7);
};

// Plays `script` on a loaded button, initialised by its container unless the script starts
// with "uninitialised", and returns what the user saw. Its words: "move" (the pointer moves
// over the button), "leave" (the pointer goes elsewhere and the hover poll ticks), "poll",
// "nocursor" (the poll ticks where the cursor cannot be found), "focus", "blur", "press" and
// "release" of the left mouse button, "right-…" and "middle-…" of the others, "lost" (the
// presses ended out of the button's sight), "resize", "disable" and "enable".
std::wstring Play(const std::string& script) {
  CommandRig rig;
  Command& command = rig.command;
  command.ReadProperties(platform::PropertyBag{});
  if (script.rfind("uninitialised", 0) != 0) command.Initialize();
  rig.fake.calls.clear();
  const auto poll = [&] { rig.control.Tick(kMouseTimer); };
  const std::map<std::string, std::function<void()>> events = {
      {"uninitialised", [] {}},
      {"move", [&] { rig.fake.windowUnderCursor = kButtonWindow; command.OnMouseMove(); }},
      {"leave", [&] { rig.fake.windowUnderCursor = kFormWindow; poll(); }},
      {"poll", poll},
      {"nocursor", [&] { rig.fake.cursorPosition.reset(); poll(); }},
      {"focus", [&] { command.OnGotFocus(); }},
      {"blur", [&] { command.OnLostFocus(); }},
      {"lost", [&] { command.OnPressesLost(); }},
      {"resize", [&] { command.OnResize(); }},
      {"disable", [&] { command.SetEnabled(false); }},
      {"enable", [&] { command.SetEnabled(true); }},
  };
  std::istringstream words(script);
  for (std::string word; words >> word;) {
    const MouseButton button = word.rfind("right-", 0) == 0    ? MouseButton::kRight
                               : word.rfind("middle-", 0) == 0 ? MouseButton::kMiddle
                                                               : MouseButton::kLeft;
    if (word.find("press") != std::string::npos) {
      command.OnMouseDown(button);
    } else if (word.find("release") != std::string::npos) {
      command.OnMouseUp(button);
    } else {
      events.at(word)();
    }
  }
  return rig.Seen();
}

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
      // Before its container initialises it, a button has no poll and follows the mouse only
      // once it has the focus; it clicks all the same.
      {"uninitialised move leave focus move", L"selected highlightselect"},
      {"uninitialised press release", L"pressed click"},
  };
  for (const auto& row : rows) EXPECT_EQ(Play(row.script), row.seen) << row.script;

  CommandRig rig;
  rig.command.Initialize();
  EXPECT_EQ(rig.control.timers, (std::map<int, std::uint32_t>{{kMouseTimer, 100}}));
}

TEST(CommandProperties, LoadingShowsTheSavedCaptionFontAndColourAndNamesTheWindowAfterTheCaption) {
  const platform::FontDescription otherFont{L"MS UI Gothic", 9, 700, false, false, false, 128};
  // Saved properties holding every value given.
  const auto bag = [](std::initializer_list<std::pair<const wchar_t*, platform::PropertyValue>> values) {
    platform::PropertyBag saved;
    for (const auto& [name, value] : values) saved.WriteProperty(name, value, std::wstring(L"no default"));
    return saved;
  };
  const struct {
    platform::PropertyBag saved;
    std::wstring caption;  // as drawn: text, box, font, size, colour; empty when none is drawn
  } rows[] = {
      {{}, kCaption},
      // The dialog's buttons, whose font is the design font, keep only their caption.
      {SavedCommandProperties(L"ｷｬﾝｾﾙ", kDesignFont), L"ｷｬﾝｾﾙ, 0, 7, 117, 13, ＭＳ Ｐゴシック, 9.75, 0"},
      {bag({{L"Caption", std::wstring(L"設定")}, {L"Font", otherFont}, {L"FontColour", std::int32_t{0xFF8000}}}),
       L"設定, 0, 7, 117, 13, MS UI Gothic, 9, 16744448"},
      // Before the first run is done the caption is black; values of the wrong kind or out of
      // range are not applied.
      {bag({{L"FirstRun", std::int32_t{0}}, {L"FontColour", std::int32_t{0xFF}}}), kCaption},
      {bag({{L"FirstRun", std::int32_t{300}}, {L"Caption", std::int32_t{12}}, {L"FontColour", std::int32_t{0xFF}}}),
       kCaption},
      // Saved disabled, it shows nothing until it is enabled.
      {bag({{L"Enabled", false}}), L""},
  };
  for (const auto& row : rows) {
    CommandRig rig;
    rig.command.ReadProperties(row.saved);
    EXPECT_EQ(rig.Seen(), row.caption.empty() ? L"" : L"normal") << row.caption;
    // The caption is drawn last, over the face.
    EXPECT_EQ(rig.fake.calls.end()[-2] == L"control 7: DrawCentredText(" + row.caption + L")", !row.caption.empty())
        << row.caption;
    // The window is named after the caption, last of all the names it was given.
    const auto& calls = rig.fake.calls;
    const auto named = std::find_if(calls.rbegin(), calls.rend(), [](auto& c) { return c.rfind(L"SetWindowTitle", 0) == 0; });
    ASSERT_NE(named, calls.rend());
    const std::wstring title = row.caption.empty() ? L"Command" : row.caption.substr(0, row.caption.find(L','));
    EXPECT_EQ(*named, L"SetWindowTitle(24583, " + title + L")");
  }
  EXPECT_EQ(SavedCommandProperties(L"設定", kDesignFont).Entries(),
            (std::vector<platform::PropertyBag::Entry>{{L"Caption", std::wstring(L"設定")}}));
}

}  // namespace
}  // namespace orvane::button
