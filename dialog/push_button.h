#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/font_description.h"
#include "platform/form_controls.h"

namespace orvane::dialog {

// A push button of the program's own (the button control) as the dialog uses it: it only
// initialises it, enables or disables it and hears its Click.
class PushButton {
 public:
  virtual ~PushButton() = default;

  virtual void Initialize() = 0;
  virtual void SetEnabled(bool enabled) = 0;
};

// Places push buttons on the dialog's windows. A button lives as long as the window it is on.
class PushButtonFactory {
 public:
  virtual ~PushButtonFactory() = default;

  // A button in `parent` at `box` (pixels of its client area), loaded from saved properties
  // holding `caption` and `font`. Its Click runs `onClick`, which may unload the dialog.
  virtual PushButton& AddPushButton(platform::ControlContainer& parent, int controlId,
                                    const platform::Rect& box, const std::wstring& caption,
                                    const platform::FontDescription& font,
                                    std::function<void()> onClick) = 0;
};

}  // namespace orvane::dialog
