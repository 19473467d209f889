#include "button/command.h"

namespace orvane::button {

Command::Command(platform::ControlContainer& container, int controlId, const platform::Rect& box,
                 const std::wstring& caption, const platform::FontDescription& font,
                 platform::Services& services, ClickHandler onClick)
    : services_(services),
      scale_{services.display.TwipsPerPixelX(), services.display.TwipsPerPixelY()},
      onClick_(std::move(onClick)),
      caption_{caption, font},
      control_(container.AddDrawnControl(controlId, box, kCommandClassName, *this)) {
  // The face only draws the caption: screen readers and other programs know the button by
  // its window's text.
  services_.windows.SetWindowTitle(control_.Handle(), caption);
  ShowNormalFace();
}

void Command::Initialize() {
  buttonState_ = ButtonState::kNormal;
  control_.EnableTimer(kMouseTimer, 100);
}

void Command::SetEnabled(bool enabled) {
  enabled_ = enabled;
  ShowEnabledFace();
  // A disabled button is also left out when the focus moves between the controls.
  control_.SetEnabled(enabled);
}

void Command::ShowEnabledFace() {
  caption_.enabled = enabled_;
  PaintFace(enabled_ ? FacePicture::kNormal : FacePicture::kDisable);
}

// Leaves ButtonState alone, so a hot or focused button shows the normal face until its next
// change of state.
void Command::ShowNormalFace() {
  if (!enabled_) return;
  caption_.enabled = true;
  PaintFace(FacePicture::kNormal);
}

}  // namespace orvane::button
