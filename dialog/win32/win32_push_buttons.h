#pragma once

#include <memory>
#include <vector>

#include "dialog/push_button.h"
#include "platform/services.h"

namespace orvane::dialog::win32 {

// Places the program's own push buttons (the button control) on the dialog's windows. The
// buttons live as long as this object, which outlives the dialog's windows.
class Win32PushButtons final : public PushButtonFactory {
 public:
  explicit Win32PushButtons(platform::Services& services);
  ~Win32PushButtons() override;

  PushButton& AddPushButton(platform::ControlContainer& parent, int controlId,
                            const platform::Rect& box, const std::wstring& caption,
                            const platform::FontDescription& font, std::function<void()> onClick) override;

 private:
  class Button;

  platform::Services& services_;
  std::vector<std::unique_ptr<Button>> buttons_;
};

}  // namespace orvane::dialog::win32
