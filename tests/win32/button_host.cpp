// A small window with a push button and a disabled twin of it 36 pixels below, for the
// end-to-end tests to drive with the real pointer. Prints "ready LEFT,TOP,RIGHT,BOTTOM" with
// the button's screen rectangle once it shows, then "click" for every Click of either button.
// The buttons are made from saved properties like the settings dialog's, with its "設定"
// caption and font, on a form of the platform as the dialog's are.
#include <windows.h>

#include <memory>
#include <optional>

#include "button/command.h"
#include "platform/win32/win32_platform.h"
#include "utf8_output.h"

namespace {

class HostHandlers final : public orvane::platform::FormHandlers {
 public:
  void OnTimer(int) override {}
  void OnQueryUnload() override {}
  void OnUnload() override {}
};

}  // namespace

int wmain() {
  using orvane::platform::BoxAt;
  orvane::platform::win32::Win32Platform platform;
  orvane::platform::Services& services = platform.services();
  HostHandlers handlers;
  // Before the form, so the buttons outlive the form's window and the messages of its end.
  std::optional<orvane::button::Command> button, disabledTwin;
  const std::unique_ptr<orvane::platform::FormWindow> form = services.forms.CreateForm(
      L"Button Host", handlers, {orvane::platform::FormBorder::kNone, 300, 100, 0xD8E9EC});
  form->SetBounds(BoxAt(40, 40, 300, 100));
  for (int row = 0; row < 2; ++row) {
    std::optional<orvane::button::Command>& command = row == 0 ? button : disabledTwin;
    command.emplace(form->Controls(), row + 1, BoxAt(20, 20 + 36 * row, 117, 28), services,
                    [] { PrintUtf8(L"click\n"); });
    command->ReadProperties(
        orvane::button::SavedCommandProperties(L"設定", orvane::button::kDesignFont));
    command->Initialize();
  }
  disabledTwin->SetEnabled(false);
  form->Show();
  // The form, not the button, has the focus at the start.
  SetFocus(reinterpret_cast<HWND>(form->Handle()));

  RECT rect{};
  GetWindowRect(reinterpret_cast<HWND>(button->Handle()), &rect);
  wchar_t ready[64];
  swprintf(ready, 64, L"ready %ld,%ld,%ld,%ld\n", rect.left, rect.top, rect.right, rect.bottom);
  PrintUtf8(ready);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
