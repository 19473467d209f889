#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "button/command_container.h"
#include "button/face_pictures.h"
#include "platform/drawing_surface.h"
#include "platform/font_description.h"
#include "platform/property_bag.h"
#include "platform/text_label.h"
#include "platform/window_services.h"
#include "platform/window_timer.h"

namespace orvane::button {

// The size a button has when its container does not choose one: 117 x 28 pixels at 96 dpi.
inline constexpr std::int32_t kDesignWidthTwips = 1755;
inline constexpr std::int32_t kDesignHeightTwips = 420;
// The caption of a new button, and of saved properties that hold none.
inline constexpr wchar_t kDesignCaption[] = L"Command";

// What a button is made of and where it lives: its surface with the caption label laid over
// it, the hover-poll timer, its own window and the container.
struct CommandParts {
  platform::DrawingSurface& surface;
  platform::TextLabel& caption;
  platform::WindowTimer& mouseTimer;
  platform::WindowServices& windows;
  platform::WindowHandle window;
  CommandContainer& container;
};

// Which of the four looks the mouse and the focus give the button; kNotInitialized until the
// container calls Initialize.
enum class ButtonState : std::uint8_t {
  kNotInitialized = 0,
  kNormal = 1,
  kHot = 2,            // the mouse is over it, no focus
  kFocused = 3,        // focus, the mouse elsewhere
  kFocusedAndHot = 4,
};

enum class MouseButton { kLeft = 0, kRight = 1, kMiddle = 2 };

// The program's own push button: it paints its whole face from six state pictures over a
// colour gradient, follows the mouse and the focus to choose the face, and raises Click to
// its container when a press on it is released.
class Command {
 public:
  explicit Command(const CommandParts& parts);

  // Puts the button into its normal state and starts following the mouse; draws nothing.
  // The container calls it once after loading the button.
  void Initialize();

  // 255 when the face is shown (and then it is drawn again), 0 when only the caption is.
  std::uint8_t Visible();
  // 0 lets the background show through around the caption; anything else shows the face.
  void SetVisible(std::uint8_t visible);
  // The caption's 0x00BBGGRR colour; reading it draws the normal face again.
  std::uint32_t FontColour();
  void SetFontColour(std::uint32_t colour);
  // The first read of a button never loaded from saved properties enables it.
  bool Enabled();
  void SetEnabled(bool enabled);
  std::wstring Caption();
  void SetCaption(const std::wstring& caption);
  platform::FontDescription Font();
  void SetFont(const platform::FontDescription& font);

  // The container's read- and write-properties notifications.
  void ReadProperties(const platform::PropertyBag& bag);
  void WriteProperties(platform::PropertyBag& bag);

  // What the button's window receives; the caption label's mouse input counts as the button's.
  void OnMouseMove();
  void OnMouseDown(MouseButton button);
  // Only the release of a press that began on this button can click.
  void OnMouseUp(MouseButton button);
  // The presses the button saw went down have ended where it could not see them.
  void ForgetPresses();
  void OnGotFocus();
  void OnLostFocus();
  void OnResize();
  void OnMouseTimer();

  ButtonState buttonState() const { return buttonState_; }
  bool mouseHeld() const { return Held(MouseButton::kLeft); }
  bool firstRunDone() const { return firstRun_ != 0; }

 private:
  void ShowEnabledFace();
  void ShowNormalFace();
  // Puts the caption on the face and makes it the name of the button's window.
  void ShowCaption(const std::wstring& caption);
  void LeaveHover();
  bool PointerOverButton();
  bool& Held(MouseButton button) { return held_[static_cast<std::size_t>(button)]; }
  bool Held(MouseButton button) const { return held_[static_cast<std::size_t>(button)]; }
  void PaintFace(FacePicture picture);
  void FillGradient();

  CommandParts parts_;
  bool enabled_ = false;
  std::uint8_t firstRun_ = 0;  // 1 once the first-use set-up is done
  ButtonState buttonState_ = ButtonState::kNotInitialized;
  // Which mouse buttons went down on the button and are not yet up.
  std::array<bool, 3> held_{};
  bool gradientReversed_ = false;
};

// The saved properties of a button that differs from a new one only in caption and font,
// for a container that makes its buttons from saved properties.
platform::PropertyBag SavedCommandProperties(const std::wstring& caption,
                                             const platform::FontDescription& font);

}  // namespace orvane::button
