#include "dialog/win32/win32_push_buttons.h"

#include "button/win32/command_window.h"

namespace orvane::dialog::win32 {

// One button of the dialog; a button whose window could not be made does nothing.
class Win32PushButtons::Button final : public PushButton {
 public:
  explicit Button(button::win32::CommandWindow* window) : window_(window) {}

  void Initialize() override {
    if (window_) window_->command().Initialize();
  }

  void SetEnabled(bool enabled) override {
    if (!window_) return;
    window_->command().SetEnabled(enabled);
    // A disabled button is also left out when the focus moves between the controls.
    EnableWindow(window_->hwnd(), enabled);
  }

 private:
  button::win32::CommandWindow* window_;
};

Win32PushButtons::Win32PushButtons(platform::Services& services) : services_(services) {}

Win32PushButtons::~Win32PushButtons() = default;

PushButton& Win32PushButtons::AddPushButton(platform::WindowHandle parent, int controlId,
                                            const platform::Rect& box, const std::wstring& caption,
                                            const platform::FontDescription& font,
                                            std::function<void()> onClick) {
  const int twipsX = services_.display.TwipsPerPixelX();
  const int twipsY = services_.display.TwipsPerPixelY();
  const platform::TwipsRect bounds{static_cast<double>(box.left * twipsX),
                                   static_cast<double>(box.top * twipsY),
                                   static_cast<double>((box.right - box.left) * twipsX),
                                   static_cast<double>((box.bottom - box.top) * twipsY)};
  button::win32::CommandWindow* window = button::win32::CommandWindow::Create(
      services_, reinterpret_cast<HWND>(parent), controlId, bounds,
      button::SavedCommandProperties(caption, font), std::move(onClick));
  buttons_.push_back(std::make_unique<Button>(window));
  return *buttons_.back();
}

}  // namespace orvane::dialog::win32
