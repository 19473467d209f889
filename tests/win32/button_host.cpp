// A small window with one push button, for the end-to-end tests to drive with the real
// pointer: prints "ready LEFT,TOP" with the button's screen position once it shows, then
// "click" for every Click. The button is made from saved properties like the settings
// dialog's, with its "設定" caption and font, on a form of the platform as the dialog's are.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

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
  // Before the form, so the button outlives the form's window and the messages of its end.
  std::optional<orvane::button::Command> button;
  const std::unique_ptr<orvane::platform::FormWindow> form = services.forms.CreateForm(
      L"Button Host", handlers, {orvane::platform::FormBorder::kNone, 300, 100, 0xD8E9EC});
  form->SetBounds(BoxAt(40, 40, 300, 100));
  button.emplace(form->Controls(), 1, BoxAt(20, 20, 117, 28), services,
                 [] { PrintUtf8(L"click\n"); });
  button->ReadProperties(orvane::button::SavedCommandProperties(L"設定", orvane::button::kDesignFont));
  button->Initialize();
  form->Show();
  // The form, not the button, has the focus at the start.
  SetFocus(reinterpret_cast<HWND>(form->Handle()));

  RECT rect{};
  GetWindowRect(reinterpret_cast<HWND>(button->Handle()), &rect);
  PrintUtf8(L"ready " + std::to_wstring(rect.left) + L"," + std::to_wstring(rect.top) + L"\n");

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
