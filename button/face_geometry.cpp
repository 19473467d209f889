#include "button/face_geometry.h"

#include "platform/twips.h"

namespace orvane::button {
namespace {

// The pictures are 64 x 25 pixels with a 4-pixel ring, drawn at 96 dpi; on the button the ring
// keeps its 60 twips whatever the screen's factor.
constexpr std::int32_t kRing = 4;
constexpr std::int32_t kPictureWidth = 64;
constexpr std::int32_t kPictureHeight = 25;
constexpr double kFrameTwips = 60;

// The caption is one line high; its box sits 20 twips above the middle of what is left.
constexpr double kCaptionHeightTwips = 195;
constexpr double kCaptionRaiseTwips = 20;

// The gradient's colours, as the 16-bit channels of GradientFill.
constexpr std::uint16_t kWhite[] = {0xFF00, 0xFF00, 0xFF00};
constexpr std::uint16_t kLavenderGrey[] = {0xC600, 0xC500, 0xD700};

platform::Rect Box(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  return {left, top, left + width, top + height};
}

platform::GradientVertex Vertex(std::int32_t x, std::int32_t y, const std::uint16_t (&colour)[3]) {
  return {x, y, colour[0], colour[1], colour[2], 0};
}

}  // namespace

std::vector<FramePiece> FramePieces(std::int32_t width, std::int32_t height, TwipsPerPixel scale) {
  const std::int32_t across = platform::TwipsToPixels(kFrameTwips, scale.x);
  const std::int32_t down = platform::TwipsToPixels(kFrameTwips, scale.y);
  const std::int32_t innerWidth = width - 2 * across;
  const std::int32_t innerHeight = height - 2 * down;
  const std::int32_t sourceMiddleWidth = kPictureWidth - 2 * kRing;
  const std::int32_t sourceMiddleHeight = kPictureHeight - 2 * kRing;
  const std::int32_t sourceRight = kPictureWidth - kRing;
  const std::int32_t sourceBottom = kPictureHeight - kRing;
  const std::int32_t right = width - across;
  const std::int32_t bottom = height - down;

  const FramePiece topLeft{Box(0, 0, kRing, kRing), Box(0, 0, across, down)};
  const FramePiece top{Box(kRing, 0, sourceMiddleWidth, kRing), Box(across, 0, innerWidth, down)};
  const FramePiece topRight{Box(sourceRight, 0, kRing, kRing), Box(right, 0, across, down)};
  const FramePiece rightEdge{Box(sourceRight, kRing, kRing, sourceMiddleHeight),
                             Box(right, down, across, innerHeight)};
  const FramePiece bottomRight{Box(sourceRight, sourceBottom, kRing, kRing),
                               Box(right, bottom, across, down)};
  const FramePiece bottomEdge{Box(kRing, sourceBottom, sourceMiddleWidth, kRing),
                              Box(across, bottom, innerWidth, down)};
  const FramePiece bottomLeft{Box(0, sourceBottom, kRing, kRing), Box(0, bottom, across, down)};
  const FramePiece leftEdge{Box(0, kRing, kRing, sourceMiddleHeight),
                            Box(0, down, across, innerHeight)};

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
