#include "dialog/win32/win32_push_buttons.h"

#include "button/command.h"

namespace orvane::dialog::win32 {

class Win32PushButtons::Button final : public PushButton {
 public:
  Button(platform::ControlContainer& parent, int controlId, const platform::Rect& box,
         platform::Services& services, std::function<void()> onClick)
      : command_(parent, controlId, box, services, std::move(onClick)) {}

  button::Command& command() { return command_; }
  void Initialize() override { command_.Initialize(); }
  void SetEnabled(bool enabled) override { command_.SetEnabled(enabled); }

 private:
  button::Command command_;
};

Win32PushButtons::Win32PushButtons(platform::Services& services) : services_(services) {}

Win32PushButtons::~Win32PushButtons() = default;

PushButton& Win32PushButtons::AddPushButton(platform::ControlContainer& parent, int controlId,
                                            const platform::Rect& box, const std::wstring& caption,
                                            const platform::FontDescription& font,
                                            std::function<void()> onClick) {
  buttons_.push_back(std::make_unique<Button>(parent, controlId, box, services_, std::move(onClick)));
  buttons_.back()->command().ReadProperties(button::SavedCommandProperties(caption, font));
  return *buttons_.back();
}

}  // namespace orvane::dialog::win32
