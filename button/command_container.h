#pragma once

#include <string>

#include "platform/font_description.h"

namespace orvane::button {

// The form that holds a button, as the button sees it.
class CommandContainer {
 public:
  virtual ~CommandContainer() = default;

  // The button's Click event. The container may close the window holding the button here.
  virtual void OnClick() = 0;
  // A saved property of the button has changed, so the properties are due to be saved again.
  virtual void PropertyChanged(const std::wstring& name) = 0;
  // The container's own font, which a button without a saved font uses.
  virtual platform::FontDescription AmbientFont() = 0;
};

}  // namespace orvane::button
