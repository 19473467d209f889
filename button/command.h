#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "button/face_geometry.h"
#include "button/face_pictures.h"
#include "platform/font_description.h"
#include "platform/form_controls.h"
#include "platform/services.h"

namespace orvane::button {

// The class name of a button's window, by which other programs know it.
inline constexpr wchar_t kCommandClassName[] = L"ThreeDOrvane.Command";
// The identifier of the hover poll among the button's timers.
inline constexpr int kMouseTimer = 1;

// Which of the four looks the mouse and the focus give the button; kNotInitialized until the
// container calls Initialize.
enum class ButtonState : std::uint8_t {
  kNotInitialized = 0,
  kNormal = 1,
  kHot = 2,            // the mouse is over it, no focus
  kFocused = 3,        // focus, the mouse elsewhere
  kFocusedAndHot = 4,
};

using platform::MouseButton;

// The program's own push button, a control of the container it is placed on: it paints its
// whole face from six state pictures over a colour gradient with its caption over the middle,
// follows the mouse and the focus to choose the face, and runs its Click handler when a
// press on it is released.
class Command final : public platform::DrawnControlHandlers {
 public:
  using ClickHandler = std::function<void()>;

  // An enabled button in `container` at `box` (pixels of the container), showing `caption` in
  // black in `font`. `onClick` may unload the form that holds the button.
  Command(platform::ControlContainer& container, int controlId, const platform::Rect& box,
          const std::wstring& caption, const platform::FontDescription& font,
          platform::Services& services, ClickHandler onClick);
  Command(const Command&) = delete;
  Command& operator=(const Command&) = delete;

  // Puts the button into its normal state and starts following the mouse; draws nothing.
  // The container calls it once, when the form that holds the button loads.
  void Initialize();
  // A disabled button ignores the mouse and the focus and shows its greyed face.
  void SetEnabled(bool enabled);

  // What the button's window hears; mouse input over the caption counts as the button's.
  void OnMouseMove() override;
  void OnMouseDown(MouseButton button) override;
  // Only the release of a press that began on this button can click.
  void OnMouseUp(MouseButton button) override;
  void OnPressesLost() override;
  void OnGotFocus() override;
  void OnLostFocus() override;
  void OnResize() override;
  void OnTimer(int timerId) override;

  bool mouseHeld() const { return Held(MouseButton::kLeft); }
  platform::WindowHandle Handle() { return control_.Handle(); }

 private:
  // What the caption shows, drawn over the face.
  struct Caption {
    std::wstring text;
    platform::FontDescription font;
    bool enabled = true;
  };

  void ShowEnabledFace();
  void ShowNormalFace();
  void LeaveHover();
  bool PointerOverButton();
  bool& Held(MouseButton button) { return held_[static_cast<std::size_t>(button)]; }
  bool Held(MouseButton button) const { return held_[static_cast<std::size_t>(button)]; }
  void PaintFace(FacePicture picture);
  void FillGradient();
  platform::PixelImage* Picture(FacePicture picture);

  platform::Services& services_;
  const TwipsPerPixel scale_;
  ClickHandler onClick_;
  std::map<FacePicture, std::unique_ptr<platform::PixelImage>> pictures_;
  Caption caption_;
  bool enabled_ = true;
  ButtonState buttonState_ = ButtonState::kNotInitialized;
  // Which mouse buttons went down on the button and are not yet up.
  std::array<bool, 3> held_{};
  bool gradientReversed_ = false;
  // Last, so the button is whole before its window is made.
  platform::DrawnControl& control_;
};

}  // namespace orvane::button
