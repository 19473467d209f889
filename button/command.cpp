#include "button/command.h"

namespace orvane::button {

Command::Command(platform::ControlContainer& container, int controlId, const platform::Rect& box,
                 platform::Services& services, ClickHandler onClick)
    : services_(services),
      scale_{services.display.TwipsPerPixelX(), services.display.TwipsPerPixelY()},
      onClick_(std::move(onClick)),
      control_(container.AddDrawnControl(controlId, box, kCommandClassName, *this)) {
  caption_.font = kDesignFont;
  SetCaptionText(kDesignCaption);
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

void Command::SetCaptionText(const std::wstring& text) {
  caption_.text = text;
  // The face only draws the caption: screen readers and other programs know the button by
  // its window's text.
  services_.windows.SetWindowTitle(control_.Handle(), text);
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
  if (firstRun_ == 0) caption_.colour = platform::kBlack;
  PaintFace(FacePicture::kNormal);
}

}  // namespace orvane::button
