#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dialog/settings_dialog.h"
#include "fakes/fake_controls.h"
#include "fakes/fake_platform.h"

namespace orvane::dialog {

using Calls = std::vector<std::wstring>;

// A push button that keeps its state and records what the dialog asks of it.
class FakePushButton : public PushButton {
 public:
  FakePushButton(int id, Calls& calls, std::function<void()> onClick)
      : id(id), onClick(std::move(onClick)), calls_(calls) {}

  const int id;
  const std::function<void()> onClick;
  bool initialized = false;
  bool enabled = true;

  void Initialize() override {
    initialized = true;
    calls_.push_back(L"Button " + std::to_wstring(id) + L": Initialize");
  }
  void SetEnabled(bool enable) override {
    enabled = enable;
    calls_.push_back(L"Button " + std::to_wstring(id) + (enable ? L": SetEnabled(true)"
                                                                 : L": SetEnabled(false)"));
  }

 private:
  Calls& calls_;
};

class FakePushButtons : public PushButtonFactory {
 public:
  explicit FakePushButtons(Calls& calls) : calls_(calls) {}

  std::map<int, std::unique_ptr<FakePushButton>> buttons;

  PushButton& AddPushButton(platform::ControlContainer& parent, int controlId,
                            const platform::Rect& box, const std::wstring& caption,
                            const platform::FontDescription& font,
                            std::function<void()> onClick) override {
    calls_.push_back(L"AddPushButton(" + std::to_wstring(parent.Handle()) + L", " +
                     std::to_wstring(controlId) + L", " + std::to_wstring(box.left) + L" " +
                     std::to_wstring(box.top) + L" " + std::to_wstring(box.right - box.left) +
                     L" x " + std::to_wstring(box.bottom - box.top) + L", " + caption + L", " +
                     font.name + L")");
    auto& button = buttons[controlId];
    button = std::make_unique<FakePushButton>(controlId, calls_, std::move(onClick));
    return *button;
  }

 private:
  Calls& calls_;
};

inline constexpr platform::WindowHandle kDialogWindow = 0x5A5A;
const std::wstring kIniFile = L"C:\\Program Files\\3dOrvane\\3dOrvane.ini";

// The dialog on a 1024 x 768 screen, its window 501 x 272 pixels with the frame, the mouse at
// (300, 200) and the panel's tile among the program's pictures.
struct DialogRig {
  DialogRig() {
    fake.forms.screenWidth = 1024;
    fake.forms.screenHeight = 768;
    fake.forms.pictures[L"DIALOG_TILE"] = {556, 20};
    fake.windowRects[kDialogWindow] = {10, 20, 511, 292};
    fake.cursorPosition = platform::Point{300, 200};
  }

  void Open(const settings::Settings& stored) {
    settings = stored;
    dialog.ShowModal();
    form = fake.forms.form;
  }
  // Opens the dialog and forgets what the opening did.
  void OpenQuietly(const settings::Settings& stored) {
    Open(stored);
    fake.calls.clear();
  }

  testing::FakeComboBox& TrackBox() { return *form->controls().FindComboBox(kTrackBox); }
  testing::FakeLabel& Label(int id) { return *form->controls().FindLabel(id); }
  // The pictures of the three marks, in the order of the sources' kinds.
  std::vector<std::wstring> Marks() {
    std::vector<std::wstring> marks;
    for (int kind = 0; kind < kSourceCount; ++kind) {
      marks.push_back(form->controls().FindImage(kSourceMark + kind)->picture);
    }
    return marks;
  }
  FakePushButton& Button(int id) { return *buttons.buttons.at(id); }
  void Click(int id) { Button(id).onClick(); }

  // The calls, in order, that begin with one of `beginnings`.
  Calls CallsBeginningWith(std::initializer_list<std::wstring> beginnings) const {
    Calls found;
    for (const std::wstring& call : fake.calls) {
      if (std::any_of(beginnings.begin(), beginnings.end(),
                      [&](const std::wstring& b) { return call.rfind(b, 0) == 0; })) {
        found.push_back(call);
      }
    }
    return found;
  }

  testing::FakePlatform fake;
  settings::Settings settings;
  FakePushButtons buttons{fake.calls};
  SettingsDialog dialog{fake.services, settings, buttons};
  testing::FakeFormWindow* form = nullptr;
};

class DialogTest : public ::testing::Test, public DialogRig {};

inline const std::wstring kUnselected = L"DIALOG_MARK_UNSELECTED";
inline const std::wstring kSelected = L"DIALOG_MARK_SELECTED";

}  // namespace orvane::dialog
