#include "button/face_geometry.h"

namespace orvane::button {
namespace {

// The pictures are 960 x 375 twips with a 60-twip frame; the frame's corners are 60 x 60.
constexpr double kFrame = 60;
constexpr double kPictureWidth = 960;
constexpr double kPictureHeight = 375;
constexpr double kSourceMiddleWidth = kPictureWidth - 2 * kFrame;
constexpr double kSourceMiddleHeight = kPictureHeight - 2 * kFrame;
constexpr double kSourceRight = kPictureWidth - kFrame;
constexpr double kSourceBottom = kPictureHeight - kFrame;

// The caption label is one line high; its box sits 20 twips above the middle of what is left.
constexpr double kCaptionHeight = 195;
constexpr double kCaptionRaise = 20;

// The gradient's colours, as the 16-bit channels of GradientFill.
constexpr std::uint16_t kWhite[] = {0xFF00, 0xFF00, 0xFF00};
constexpr std::uint16_t kLavenderGrey[] = {0xC600, 0xC500, 0xD700};

platform::GradientVertex Vertex(std::int32_t x, std::int32_t y, const std::uint16_t (&colour)[3]) {
  return {x, y, colour[0], colour[1], colour[2], 0};
}

}  // namespace

std::vector<FramePiece> FramePieces(std::int32_t widthTwips, std::int32_t heightTwips) {
  const double w = widthTwips;
  const double h = heightTwips;
  const double innerWidth = w - 2 * kFrame;
  const double innerHeight = h - 2 * kFrame;
  // The 1-twip offsets lie inside the first pixel; they are kept as the geometry was laid out.
  const FramePiece topLeft{{0, 0, kFrame, kFrame}, {1, 1, kFrame, kFrame}};
  const FramePiece top{{kFrame, 1, kSourceMiddleWidth, kFrame}, {kFrame, 1, innerWidth, kFrame}};
  const FramePiece topRight{{kSourceRight, 1, kFrame, kFrame}, {w - kFrame, 1, kFrame, kFrame}};
  const FramePiece right{{kSourceRight, kFrame, kFrame, kSourceMiddleHeight},
                         {w - kFrame, kFrame, kFrame, innerHeight}};
  const FramePiece bottomRight{{kSourceRight, kSourceBottom, kFrame, kFrame},
                               {w - kFrame, h - kFrame, kFrame, kFrame}};
  const FramePiece bottom{{kFrame, kSourceBottom, kSourceMiddleWidth, kFrame},
                          {kFrame, h - kFrame, innerWidth, kFrame}};
  const FramePiece bottomLeft{{0, kSourceBottom, kFrame, kFrame}, {1, h - kFrame, kFrame, kFrame}};
  const FramePiece left{{1, kFrame, kFrame, kSourceMiddleHeight}, {1, kFrame, kFrame, innerHeight}};

  const bool roomAcross = innerWidth > 0;
  const bool roomDown = innerHeight > 0;
  std::vector<FramePiece> pieces{topLeft};
  if (roomAcross) pieces.push_back(top);
  pieces.push_back(topRight);
  if (roomDown) pieces.push_back(right);
  pieces.push_back(bottomRight);
  if (roomAcross) pieces.push_back(bottom);
  pieces.push_back(bottomLeft);
  if (roomDown) pieces.push_back(left);
  return pieces;
}

platform::TwipsRect CaptionBox(std::int32_t widthTwips, std::int32_t heightTwips) {
  return {0, (heightTwips - kCaptionHeight - kCaptionRaise) / 2, static_cast<double>(widthTwips),
          kCaptionHeight};
}

std::vector<platform::GradientVertex> GradientVertices(bool reversed, std::int32_t widthPixels,
                                                       std::int32_t heightPixels) {
  const auto& top = reversed ? kLavenderGrey : kWhite;
  const auto& bottom = reversed ? kWhite : kLavenderGrey;
  return {Vertex(0, 0, top), Vertex(widthPixels - 1, heightPixels - 1, bottom)};
}

}  // namespace orvane::button
