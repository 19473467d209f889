// A small window with one push button, for the end-to-end tests to drive with the real
// pointer and keyboard:
//   button_host [disabled] [close-on-click]
// Prints "ready LEFT,TOP,RIGHT,BOTTOM" with the button's screen rectangle once it shows, then
// "click" for every Click of the button. A native button beside it has the focus at the
// start, so Tab moves the focus onto the push button and back. The button is made from
// saved properties like the settings dialog's, with its "設定" caption and font, on a form of
// the platform as the dialog's are.
#include <windows.h>

#include <cwchar>
#include <memory>
#include <optional>
#include <string>

#include "button/command.h"
#include "platform/win32/win32_platform.h"
#include "utf8_output.h"

namespace {

using orvane::platform::BoxAt;

constexpr orvane::platform::Colour kDialogColour = 0xD8E9EC;  // #ECE9D8

class HostHandlers final : public orvane::platform::FormHandlers {
 public:
  void OnTimer(int) override {}
  void OnQueryUnload() override {}
  void OnUnload() override {}
};

bool HasArgument(int argc, wchar_t** argv, const wchar_t* wanted) {
  for (int i = 1; i < argc; ++i) {
    if (std::wcscmp(argv[i], wanted) == 0) return true;
  }
  return false;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool disabled = HasArgument(argc, argv, L"disabled");
  const bool closeOnClick = HasArgument(argc, argv, L"close-on-click");

  orvane::platform::win32::Win32Platform platform;
  orvane::platform::Services& services = platform.services();
  HostHandlers handlers;
  // Before the form, so the button outlives the form's window and the messages of its end.
  std::optional<orvane::button::Command> button;
  const std::unique_ptr<orvane::platform::FormWindow> form = services.forms.CreateForm(
      L"Button Host", handlers, {orvane::platform::FormBorder::kNone, 300, 100, kDialogColour});
  form->SetBounds(BoxAt(40, 40, 300, 100));
  const HWND host = reinterpret_cast<HWND>(form->Handle());
  button.emplace(form->Controls(), 1, BoxAt(20, 20, 117, 28), services,
                 [&form, closeOnClick] {
                   PrintUtf8(L"click\n");
                   if (closeOnClick) form->Unload();
                 });
  button->ReadProperties(orvane::button::SavedCommandProperties(L"設定", orvane::button::kDesignFont));
  button->Initialize();
  if (disabled) button->SetEnabled(false);
  const HWND other = CreateWindowW(L"BUTTON", L"Other", WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                                   180, 20, 80, 28, host, nullptr, nullptr, nullptr);
  form->Show();
  SetFocus(other);
  UpdateWindow(host);

  RECT rect{};
  GetWindowRect(reinterpret_cast<HWND>(button->Handle()), &rect);
  wchar_t ready[64];
  swprintf(ready, 64, L"ready %ld,%ld,%ld,%ld\n", rect.left, rect.top, rect.right, rect.bottom);
  PrintUtf8(ready);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (form->IsLoaded() && IsDialogMessageW(host, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
