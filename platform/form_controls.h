#pragma once

#include <cstdint>
#include <string>

#include "platform/font_description.h"
#include "platform/pixel_image.h"
#include "platform/types.h"

namespace orvane::platform {

// A rectangle given as its left, top, width and height.
inline Rect BoxAt(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  return {left, top, left + width, top + height};
}

enum class TextAlignment { kLeft, kCentre };

// The mouse pointer a control shows while the mouse is over it.
enum class Pointer { kDefault, kHand };

// How a label draws its caption: always on a transparent background, so whatever lies behind
// the label shows around the letters.
struct LabelStyle {
  FontDescription font;
  Colour colour = kBlack;
  TextAlignment alignment = TextAlignment::kLeft;
  // Lines are broken to fit the label's width; otherwise the caption is one line.
  bool wordWrap = false;
  Pointer pointer = Pointer::kDefault;
};

class Label {
 public:
  virtual ~Label() = default;

  virtual std::wstring Caption() = 0;
  virtual void SetCaption(const std::wstring& caption) = 0;
};

// Shows one of the program's stored pictures, at its own size from the top-left corner or
// stretched to the control; what it does not cover shows what lies behind it.
class ImageControl {
 public:
  virtual ~ImageControl() = default;

  virtual void SetPicture(const std::wstring& pictureName) = 0;
  // Places the control, in pixels of its container.
  virtual void Move(const Rect& box) = 0;
};

// A drop-down list with an editable text field.
class ComboBox {
 public:
  virtual ~ComboBox() = default;

  virtual void SetEnabled(bool enabled) = 0;
  // The text field's content.
  virtual std::wstring Text() = 0;
  virtual void SetText(const std::wstring& text) = 0;
  // Adds an entry at the end of the list.
  virtual void AddItem(const std::wstring& item) = 0;
};

enum class MouseButton { kLeft, kRight, kMiddle };

// What a control that draws itself hears from its window.
class DrawnControlHandlers {
 public:
  virtual ~DrawnControlHandlers() = default;

  // The pointer moved over the control.
  virtual void OnMouseMove() = 0;
  // A mouse button went down on the control; a left press takes the focus first. Until its
  // last button is up again, the control hears the mouse even off it.
  virtual void OnMouseDown(MouseButton button) = 0;
  // A mouse button came up. If the control lost the mouse to another window while buttons were
  // down on it, OnPressesLost comes first: those presses ended out of its sight.
  virtual void OnMouseUp(MouseButton button) = 0;
  virtual void OnPressesLost() = 0;
  virtual void OnGotFocus() = 0;
  virtual void OnLostFocus() = 0;
  // The control has a new size, and so has its image.
  virtual void OnResize() = 0;
  virtual void OnTimer(int timerId) = 0;
};

// A control that draws itself: a window of its own, reached by Tab, that shows a retained
// image as large as the control. What is drawn into the image shows when presented.
class DrawnControl {
 public:
  virtual ~DrawnControl() = default;

  virtual WindowHandle Handle() = 0;
  virtual PixelImage& Image() = 0;
  virtual void Present() = 0;
  // A disabled control gets neither the focus nor the mouse.
  virtual void SetEnabled(bool enabled) = 0;
  // A window timer that ticks to OnTimer(timerId) through the control's messages.
  virtual void EnableTimer(int timerId, std::uint32_t intervalMs) = 0;
};

class PictureBox;

// A surface that holds controls: the client area of a form, or a picture box. Positions are
// pixels of the container's client area. Labels and images report their mouse presses and
// clicks to the handlers of the form they are on, under the identifier given here.
class ControlContainer {
 public:
  virtual ~ControlContainer() = default;

  // The window that the container's controls are children of.
  virtual WindowHandle Handle() = 0;
  virtual Label& AddLabel(int controlId, const Rect& box, const std::wstring& caption,
                          const LabelStyle& style) = 0;
  virtual ImageControl& AddImage(int controlId, const Rect& box, bool stretch) = 0;
  virtual ComboBox& AddComboBox(int controlId, const Rect& box, const FontDescription& font) = 0;
  virtual PictureBox& AddPictureBox(int controlId, const Rect& box) = 0;
  // A control whose window is of the class `className` and whose events go to `handlers`,
  // which outlive its window. None of them is called while the control is being made.
  virtual DrawnControl& AddDrawnControl(int controlId, const Rect& box,
                                        const std::wstring& className,
                                        DrawnControlHandlers& handlers) = 0;
  // A one-pixel rectangle outline, drawn over the container's image and under its controls.
  virtual void AddFrame(const Rect& box, Colour colour) = 0;
};

// A container with a persistent image: what is drawn into it stays and is shown under the
// container's controls at every repaint.
class PictureBox : public ControlContainer {
 public:
  virtual PixelImage& Image() = 0;
};

}  // namespace orvane::platform
