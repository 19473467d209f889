#include "button/command.h"

namespace orvane::button {

void Command::OnMouseMove() {
  if (!enabled_) return;
  if (buttonState_ == ButtonState::kNormal) {
    buttonState_ = ButtonState::kHot;
    PaintFace(FacePicture::kHighLight);
  }
  // While a press is held the button stays as it is, so dragging back over it after the
  // poll has seen the mouse leave does not bring the hot face back.
  if (buttonState_ == ButtonState::kFocused && !mouseHeld()) {
    buttonState_ = ButtonState::kFocusedAndHot;
    PaintFace(FacePicture::kHighLightSelect);
  }
}

void Command::OnMouseDown(MouseButton button) {
  if (!enabled_) return;
  Held(button) = true;
  if (button == MouseButton::kLeft) PaintFace(FacePicture::kPressed);
}

void Command::OnMouseUp(MouseButton button) {
  // A release whose press went down elsewhere, on a window that closed under the pointer or
  // at the start of a drag onto the button, is nobody's click.
  const bool pressedHere = Held(button);
  Held(button) = false;
  if (!enabled_ || !pressedHere) return;
  if (button == MouseButton::kLeft) {
    if (buttonState_ == ButtonState::kHot) PaintFace(FacePicture::kNormal);
    if (buttonState_ == ButtonState::kFocusedAndHot) PaintFace(FacePicture::kHighLightSelect);
  }
  // A left press dragged off the button meets the poll, which takes a focused button to
  // kFocused: releasing it there cancels the click. The other buttons give no focus, so
  // they click only when released over the button.
  if (buttonState_ == ButtonState::kFocused) return;
  if (button != MouseButton::kLeft && !PointerOverButton()) return;
  // Last, and from a copy: the handler may close the window that holds this button, and the
  // button may go with it.
  const ClickHandler handler = onClick_;
  if (handler) handler();
}

void Command::OnPressesLost() { held_ = {}; }

void Command::OnGotFocus() {
  if (!enabled_) return;
  if (buttonState_ == ButtonState::kHot) {
    // The focus comes with a click when the mouse is over the button.
    buttonState_ = ButtonState::kFocusedAndHot;
    PaintFace(FacePicture::kPressed);
  } else {
    buttonState_ = ButtonState::kFocused;
    PaintFace(FacePicture::kSelected);
  }
}

void Command::OnLostFocus() {
  if (!enabled_ || buttonState_ == ButtonState::kNormal) return;
  buttonState_ = ButtonState::kNormal;
  PaintFace(FacePicture::kNormal);
}

void Command::OnResize() { ShowEnabledFace(); }

void Command::OnTimer(int timerId) {
  if (timerId == kMouseTimer && !PointerOverButton()) LeaveHover();
}

// Over the containing form, over any other window, or where the cursor cannot be found, the
// mouse is not over the button.
bool Command::PointerOverButton() {
  const std::optional<platform::Point> cursor = services_.windows.GetCursorPos();
  return cursor && services_.windows.WindowFromPoint(*cursor) == control_.Handle();
}

void Command::LeaveHover() {
  if (!enabled_) return;
  if (buttonState_ == ButtonState::kHot) {
    buttonState_ = ButtonState::kNormal;
    PaintFace(FacePicture::kNormal);
  } else if (buttonState_ == ButtonState::kFocusedAndHot) {
    buttonState_ = ButtonState::kFocused;
    PaintFace(FacePicture::kSelected);
  }
}

}  // namespace orvane::button
