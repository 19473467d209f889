#include "artwork/button_faces.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace orvane::artwork {

using button::FacePicture;
using button::kFacePictureHeight;
using button::kFacePictureWidth;

namespace {

constexpr Rgb Hex(std::uint32_t rgb) {
  return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
          static_cast<std::uint8_t>(rgb)};
}

constexpr Rgb kDialog{static_cast<std::uint8_t>(button::kBehindFace),
                      static_cast<std::uint8_t>(button::kBehindFace >> 8),
                      static_cast<std::uint8_t>(button::kBehindFace >> 16)};
constexpr Rgb kBlueBorder = Hex(0x003C74);
constexpr Rgb kGreyBorder = Hex(0xC9C7BA);

constexpr int kRing = button::kFacePictureRing;  // the frame's depth on every side
constexpr int kFirstInnerRow = kRing;
constexpr int kLastInnerRow = kFacePictureHeight - 1 - kRing;

// A column of a side strip: its colour runs from `top` on the first row between the corners
// to `bottom` on the last.
struct Ramp {
  Rgb top;
  Rgb bottom;
};

constexpr Ramp Flat(Rgb colour) { return {colour, colour}; }

struct RingLayout {
  int borderDepth;             // how many pixels in from the edge the border runs
  std::array<Rgb, kRing> top;     // rows 0 to 3
  std::array<Rgb, kRing> bottom;  // rows 21 to 24
  std::array<Ramp, kRing> left;   // columns 0 to 3
  std::array<Ramp, kRing> right;  // columns 63 to 60, from the edge inwards
  Rgb cutCorner;   // the border's own corner pixel, left out to round the corner
  Rgb softBorder;  // the two border pixels beside it, blended towards the inside
};

constexpr Ramp kNormalOuterLeft = Flat(Hex(0xE2DECB));
constexpr Ramp kNormalOuterRight = Flat(Hex(0xF0EEE0));
constexpr Ramp kBlue = Flat(kBlueBorder);

constexpr RingLayout kNormal{
    1,
    {Hex(0xDCD6C2), kBlueBorder, Hex(0xF3F3EE), Hex(0xF3F3EE)},
    {Hex(0xE2DFD6), Hex(0xD6D0C5), kBlueBorder, Hex(0xFAFAF6)},
    {kNormalOuterLeft, kBlue, Flat(Hex(0xF3F3EE)), Flat(Hex(0xF3F3EE))},
    {kNormalOuterRight, kBlue, Ramp{Hex(0xE8E5DF), Hex(0xEEEDE7)},
     Ramp{Hex(0xE8E5DF), Hex(0xEEEDE7)}},
    Hex(0x7A95A8),
    Hex(0x255783)};

// The normal border with two columns of glow inside it all round: the rows inside the border
// at the top and bottom, and the sides running from one colour at the top to another below.
constexpr RingLayout Glowing(std::array<Rgb, 2> topGlow, std::array<Rgb, 2> bottomGlow,
                             Ramp sideGlow, Rgb cutCorner, Rgb softBorder) {
  return {1,
          {Hex(0xDCD6C2), kBlueBorder, topGlow[0], topGlow[1]},
          {bottomGlow[0], bottomGlow[1], kBlueBorder, Hex(0xFAFAF6)},
          {kNormalOuterLeft, kBlue, sideGlow, sideGlow},
          {kNormalOuterRight, kBlue, sideGlow, sideGlow},
          cutCorner,
          softBorder};
}

constexpr RingLayout kHighLight =
    Glowing({Hex(0xFFF0CF), Hex(0xFDD889)}, {Hex(0xF8B330), Hex(0xE59700)},
            Ramp{Hex(0xFAC459), Hex(0xF8B535)}, Hex(0x8096A2), Hex(0x265782));
constexpr RingLayout kSelected =
    Glowing({Hex(0xCEE7FF), Hex(0xCEE7FF)}, {Hex(0x6982EE), Hex(0x6982EE)},
            Ramp{Hex(0xA5C3EE), Hex(0x8BADE4)}, Hex(0x6792BA), Hex(0x1F5689));

// Pressed in: the whole frame one pixel smaller, with a shade inside the border.
constexpr RingLayout kPressed{
    2,
    {kDialog, Hex(0xDCD6C2), kBlueBorder, Hex(0xD1CCC1)},
    {Hex(0xF2F2EE), kBlueBorder, Hex(0xFAFAF6), kDialog},
    {Flat(kDialog), Flat(kDialog), kBlue, Flat(Hex(0xD7D4CB))},
    {Flat(kDialog), Flat(kDialog), kBlue, Flat(Hex(0xE4E3DB))},
    Hex(0x69849B),
    Hex(0x1F5280)};

constexpr Rgb kDisabledInside = Hex(0xF5F4EA);
constexpr RingLayout kDisable{
    1,
    {kDialog, kGreyBorder, kDisabledInside, kDisabledInside},
    {kDisabledInside, kDisabledInside, kGreyBorder, kDialog},
    {Flat(kDialog), Flat(kGreyBorder), Flat(kDisabledInside), Flat(kDisabledInside)},
    {Flat(kDialog), Flat(kGreyBorder), Flat(kDisabledInside), Flat(kDisabledInside)},
    Hex(0xDFDED2),
    Hex(0xD0CEC1)};

const RingLayout& LayoutOf(FacePicture face) {
  switch (face) {
    case FacePicture::kNormal: return kNormal;
    case FacePicture::kHighLight:
    case FacePicture::kHighLightSelect: return kHighLight;
    case FacePicture::kPressed: return kPressed;
    case FacePicture::kSelected: return kSelected;
    case FacePicture::kDisable: return kDisable;
  }
  return kNormal;
}

std::uint8_t Blend(std::uint8_t from, std::uint8_t to, int step, int steps) {
  return static_cast<std::uint8_t>(from + std::lround(double(to - from) * step / steps));
}

Rgb ColourAt(const Ramp& ramp, int y) {
  const int step = std::clamp(y, kFirstInnerRow, kLastInnerRow) - kFirstInnerRow;
  const int steps = kLastInnerRow - kFirstInnerRow;
  return {Blend(ramp.top.red, ramp.bottom.red, step, steps),
          Blend(ramp.top.green, ramp.bottom.green, step, steps),
          Blend(ramp.top.blue, ramp.bottom.blue, step, steps)};
}

Rgb RowStripColour(const RingLayout& ring, int y) {
  return y < kRing ? ring.top[y] : ring.bottom[y - (kFacePictureHeight - kRing)];
}

Rgb ColumnStripColour(const RingLayout& ring, int x, int y) {
  return x < kRing ? ColourAt(ring.left[x], y) : ColourAt(ring.right[kFacePictureWidth - 1 - x], y);
}

Rgb PixelOf(const RingLayout& ring, int x, int y) {
  // Depths from the nearest edge across and down.
  const int dx = std::min(x, kFacePictureWidth - 1 - x);
  const int dy = std::min(y, kFacePictureHeight - 1 - y);
  if (dx >= kRing && dy >= kRing) return ring.top[kRing - 1];  // the interior, never shown
  if (dx >= kRing) return RowStripColour(ring, y);
  if (dy >= kRing) return ColumnStripColour(ring, x, y);

  // A corner: the border bends round the pixel where its row and column would meet.
  const int b = ring.borderDepth;
  if (dx == b && dy == b) return ring.cutCorner;
  if ((dx == b && dy == b + 1) || (dx == b + 1 && dy == b)) return ring.softBorder;
  if (dx + dy <= b) return kDialog;
  if (dx < dy) return ColumnStripColour(ring, x, y);
  return RowStripColour(ring, y);
}

}  // namespace

Picture PaintButtonFace(FacePicture face) {
  const RingLayout& ring = LayoutOf(face);
  Picture picture{kFacePictureWidth, kFacePictureHeight, {}};
  picture.pixels.reserve(kFacePictureWidth * kFacePictureHeight);
  for (int y = 0; y < kFacePictureHeight; ++y) {
    for (int x = 0; x < kFacePictureWidth; ++x) picture.pixels.push_back(PixelOf(ring, x, y));
  }
  return picture;
}

std::string ButtonFaceFileName(FacePicture face) {
  switch (face) {
    case FacePicture::kNormal: return "command_normal.bmp";
    case FacePicture::kHighLight: return "command_highlight.bmp";
    case FacePicture::kHighLightSelect: return "command_highlightselect.bmp";
    case FacePicture::kPressed: return "command_pressed.bmp";
    case FacePicture::kSelected: return "command_selected.bmp";
    case FacePicture::kDisable: return "command_disable.bmp";
  }
  return "";
}

}  // namespace orvane::artwork
