// A window whose timer handler throws, as an allocation that fails would. It prints "unloaded"
// when its window closes and "ended" once the message loop is over: an exception never crosses
// the system's frames, and the window closes the way its user would close it.
#include <cstdio>
#include <new>

#include "platform/win32/win32_form_services.h"
#include "platform/win32/win32_platform.h"

namespace {

using namespace orvane::platform;

class ThrowingHandlers final : public FormHandlers {
 public:
  explicit ThrowingHandlers(FormServices& forms) : forms_(forms) {}
  void OnTimer(int) override { throw std::bad_alloc(); }
  void OnUnload() override {
    std::puts("unloaded");
    forms_.EndMessageLoop();
  }

 private:
  FormServices& forms_;
};

}  // namespace

int wmain() {
  win32::Win32DisplayServices display;
  win32::Win32FormServices forms(display);
  ThrowingHandlers handlers(forms);
  const auto form = forms.CreateForm(L"Failing handler", handlers);
  form->Show();
  form->EnableTimer(1, 10);
  win32::RunMessageLoop();
  std::puts(form->IsLoaded() ? "still open" : "ended");
  return 0;
}
