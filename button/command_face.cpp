#include "button/command.h"
#include "button/face_geometry.h"

namespace orvane::button {

void Command::PaintFace(FacePicture picture) {
  switch (buttonState_) {
    case ButtonState::kNormal:
    case ButtonState::kFocused:
      gradientReversed_ = false;
      break;
    case ButtonState::kHot:
      gradientReversed_ = true;
      break;
    default:
      // Focused and hot keeps the direction of the face before it: reversed when the focus
      // came to a hot button, not when the mouse came over a focused one.
      break;
  }
  platform::DrawingSurface& surface = parts_.surface;
  const std::int32_t width = surface.WidthTwips();
  const std::int32_t height = surface.HeightTwips();

  surface.Clear();
  FillGradient();
  for (const FramePiece& piece : FramePieces(width, height)) {
    surface.DrawPicturePart(ResourceName(picture), piece.source, piece.destination);
  }
  surface.Present();
  parts_.caption.Move(CaptionBox(width, height));
}

void Command::FillGradient() {
  platform::DrawingSurface& surface = parts_.surface;
  surface.GradientFill(
      GradientVertices(gradientReversed_, surface.WidthPixels(), surface.HeightPixels()),
      kGradientMesh, platform::GradientDirection::kVertical);
}

}  // namespace orvane::button
