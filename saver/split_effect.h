#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

namespace orvane::saver {

// The arithmetic of the split effect, apart from any drawing: the jagged crack from the
// middle of the top edge down to the bottom, and the accelerating slide that moves the part
// left of it to the left and the part right of it to the right, black opening between them.

// A uniform draw in [0, 1).
using RandomDraw = std::function<double()>;

struct Crack {
  // Entry y (y even, y <= height - 1) is the crack's x for the band of rows y and y + 1.
  std::vector<double> table;
  // The connected line of the crack: from (width / 2, 0) through (table[y], y) for each band.
  struct Point {
    double x;
    double y;
  };
  std::vector<Point> line;
  // How far each part must move before both have left the screen.
  double travel = 0;
};

// Walks the crack down a surface of `width` by `height` pixels: a step width of 3 to 7 is
// drawn once, then each band steps left or right by it with even odds, held inside the
// surface.
Crack WalkCrack(int width, int height, const RandomDraw& draw);

// Offset of the left part after `frame` frames (1, 2, ...): -(2k + 0.05k(k+1)), so
// -2.1, -4.3, -6.6, -9.0, -11.5, ...; the right part moves by its opposite.
double SlideOffset(int frame);

// How many frames the slide draws: up to the last whose offset stays within `travel`.
int SlideFrameCount(double travel);

// One block copy of a frame: `width` columns of the `height` rows at `y` (two, one in the
// last band of an odd height), from `sourceX` of the snapshot, or black for the gap, to
// `destinationX` of the screen. Positions and widths are whole pixels, exact halves rounded to
// the even neighbour.
struct BandCopy {
  enum class Source { kSnapshot, kBlack };
  Source source;
  std::int32_t sourceX;
  std::int32_t destinationX;
  std::int32_t y;
  std::int32_t width;
  std::int32_t height;
};

// The three copies of one band of a screen `width` by `height` in a frame with the given
// offset: the left part, the right part, then the gap between them, which wins where rounding
// makes it overlap a part.
std::array<BandCopy, 3> BandCopies(double crackX, int y, int width, int height, double offset);

// How a frame with the given offset reaches the screen in the bands of rows `top` (even) to
// `bottom` of a monitor `width` by `height`, in the monitor's columns, after a frame with
// `offsetBefore`. Left of `composedBegin` every band shows the left part moved by `leftShift`,
// and from `composedEnd` on every band shows its right part (rounding may move the right part's
// bands by different whole pixels): those columns are shown straight from the snapshot. Only
// the columns between, round the crack's jags and the gap, differ from band to band and are
// composed. Of them, those from `blackBegin` to `blackEnd` were gap in every band of the frame
// before: the screen shows them black already, and they need not be shown again.
struct FrameLayout {
  std::int32_t composedBegin;
  std::int32_t composedEnd;
  std::int32_t leftShift;
  std::int32_t blackBegin;
  std::int32_t blackEnd;
};
FrameLayout LayOutFrame(const Crack& crack, int width, int height, int top, int bottom, double offset,
                        double offsetBefore);

// Rounds to the nearest whole number, an exact half to the even one. Done here, as some C
// runtimes spend more on a call of theirs than on copying a band.
std::int32_t RoundHalfEven(double value);

}  // namespace orvane::saver
