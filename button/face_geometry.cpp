#include "button/face_geometry.h"

#include "button/face_pictures.h"
#include "platform/form_controls.h"
#include "platform/twips.h"

namespace orvane::button {
namespace {

using platform::BoxAt;

// The pictures are drawn at 96 dpi; on the button their ring keeps its 60 twips whatever the
// screen's factor.
constexpr std::int32_t kRing = kFacePictureRing;
constexpr double kFrameTwips = 60;

// The caption is one line high; its box sits 20 twips above the middle of what is left.
constexpr double kCaptionHeightTwips = 195;
constexpr double kCaptionRaiseTwips = 20;

// The gradient's colours, as the 16-bit channels of GradientFill.
constexpr std::uint16_t kWhite[] = {0xFF00, 0xFF00, 0xFF00};
constexpr std::uint16_t kLavenderGrey[] = {0xC600, 0xC500, 0xD700};

platform::GradientVertex Vertex(std::int32_t x, std::int32_t y, const std::uint16_t (&colour)[3]) {
  return {x, y, colour[0], colour[1], colour[2], 0};
}

}  // namespace

std::vector<FramePiece> FramePieces(std::int32_t width, std::int32_t height, TwipsPerPixel scale) {
  const std::int32_t across = platform::TwipsToPixels(kFrameTwips, scale.x);
  const std::int32_t down = platform::TwipsToPixels(kFrameTwips, scale.y);
  const std::int32_t innerWidth = width - 2 * across;
  const std::int32_t innerHeight = height - 2 * down;
  const std::int32_t sourceMiddleWidth = kFacePictureWidth - 2 * kRing;
  const std::int32_t sourceMiddleHeight = kFacePictureHeight - 2 * kRing;
  const std::int32_t sourceRight = kFacePictureWidth - kRing;
  const std::int32_t sourceBottom = kFacePictureHeight - kRing;
  const std::int32_t right = width - across;
  const std::int32_t bottom = height - down;

  const FramePiece topLeft{BoxAt(0, 0, kRing, kRing), BoxAt(0, 0, across, down)};
  const FramePiece top{BoxAt(kRing, 0, sourceMiddleWidth, kRing),
                       BoxAt(across, 0, innerWidth, down)};
  const FramePiece topRight{BoxAt(sourceRight, 0, kRing, kRing), BoxAt(right, 0, across, down)};
  const FramePiece rightEdge{BoxAt(sourceRight, kRing, kRing, sourceMiddleHeight),
                             BoxAt(right, down, across, innerHeight)};
  const FramePiece bottomRight{BoxAt(sourceRight, sourceBottom, kRing, kRing),
                               BoxAt(right, bottom, across, down)};
  const FramePiece bottomEdge{BoxAt(kRing, sourceBottom, sourceMiddleWidth, kRing),
                              BoxAt(across, bottom, innerWidth, down)};
  const FramePiece bottomLeft{BoxAt(0, sourceBottom, kRing, kRing),
                              BoxAt(0, bottom, across, down)};
  const FramePiece leftEdge{BoxAt(0, kRing, kRing, sourceMiddleHeight),
                            BoxAt(0, down, across, innerHeight)};

  const bool roomAcross = innerWidth > 0;
  const bool roomDown = innerHeight > 0;
  std::vector<FramePiece> pieces{topLeft};
  if (roomAcross) pieces.push_back(top);
  pieces.push_back(topRight);
  if (roomDown) pieces.push_back(rightEdge);
  pieces.push_back(bottomRight);
  if (roomAcross) pieces.push_back(bottomEdge);
  pieces.push_back(bottomLeft);
  if (roomDown) pieces.push_back(leftEdge);
  return pieces;
}

platform::Rect CaptionBox(std::int32_t width, std::int32_t height, TwipsPerPixel scale) {
  // The box is laid out in twips and placed on the pixels its edges fall on.
  const double topTwips =
      (static_cast<double>(height) * scale.y - kCaptionHeightTwips - kCaptionRaiseTwips) / 2;
  return {0, platform::TwipsToPixels(topTwips, scale.y), width,
          platform::TwipsToPixels(topTwips + kCaptionHeightTwips, scale.y)};
}

std::vector<platform::GradientVertex> GradientVertices(bool reversed, std::int32_t width,
                                                       std::int32_t height) {
  const auto& top = reversed ? kLavenderGrey : kWhite;
  const auto& bottom = reversed ? kWhite : kLavenderGrey;
  return {Vertex(0, 0, top), Vertex(width - 1, height - 1, bottom)};
}

}  // namespace orvane::button
