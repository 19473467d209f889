#include "button/command.h"

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
  platform::PixelImage& image = control_.Image();
  const std::int32_t width = image.Width();
  const std::int32_t height = image.Height();

  // The gradient leaves out the last column and row, which the frame covers.
  image.FillRectangle(0, 0, width, height, kBehindFace);
  FillGradient();
  // A picture that cannot be had leaves the gradient in its place.
  if (platform::PixelImage* face = Picture(picture)) {
    for (const FramePiece& piece : FramePieces(width, height, scale_)) {
      image.StretchFrom(*face, piece.source, piece.destination);
    }
  }
  image.DrawCentredText(caption_.text, CaptionBox(width, height, scale_), caption_.font,
                        platform::kBlack, !caption_.enabled);
  control_.Present();
}

void Command::FillGradient() {
  platform::PixelImage& image = control_.Image();
  image.GradientFill(GradientVertices(gradientReversed_, image.Width(), image.Height()),
                     kGradientMesh, platform::GradientDirection::kVertical);
}

platform::PixelImage* Command::Picture(FacePicture picture) {
  auto found = pictures_.find(picture);
  if (found == pictures_.end()) {
    found = pictures_.emplace(picture, services_.forms.LoadPicture(ResourceName(picture))).first;
  }
  return found->second.get();
}

}  // namespace orvane::button
