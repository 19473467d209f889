#pragma once

#include <cstdint>
#include <string>

#include "platform/font_description.h"
#include "platform/twips.h"

namespace orvane::platform {

// A label without a window of its own, drawn over the surface of the control that holds it:
// one line of text centred across its box, on a transparent background. Mouse input over
// it is input to the control.
class TextLabel {
 public:
  virtual ~TextLabel() = default;

  virtual std::wstring Text() = 0;
  virtual void SetText(const std::wstring& text) = 0;
  // A 0x00BBGGRR colour.
  virtual std::uint32_t Colour() = 0;
  virtual void SetColour(std::uint32_t colour) = 0;
  virtual FontDescription Font() = 0;
  virtual void SetFont(const FontDescription& font) = 0;
  // A disabled label's text is drawn greyed.
  virtual void SetEnabled(bool enabled) = 0;
  // Places the label's box, in twips of the control.
  virtual void Move(const TwipsRect& box) = 0;
};

}  // namespace orvane::platform
