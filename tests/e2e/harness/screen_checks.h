#pragma once

#include <vector>

#include "x_screen.h"

namespace orvane::e2e {

// Checks on screenshots of the saver's effect and the renderer's scene.

// A rectangle of a picture: where a monitor lies on the X screen, say.
struct Area {
  int left, top, width, height;
};

Picture Crop(const Picture& image, const Area& area);

// How far the two parts of a frame of the slide have moved apart while both still show: in
// every other row the left edge shows the column `shift` further right, the right edge the
// column `shift` further left, with a black gap of twice the shift between. 0 for any other
// picture.
int SlideShift(const Picture& image);
// Adds a frame's shift to those seen when the slide has moved on since the last; whether it did.
bool AddNewShift(std::vector<int>& shifts, int shift);

// A desktop as a user would know it, and as the README shows it: on each monitor a sky over a
// green field, a column of icons and an open window, on the first (the primary) a larger one and
// a taskbar; dark grey where no monitor shows; nothing black. The low bits of each pixel's
// colours, too faint to see, tell its column from its monitor's left edge, so a moved part shows
// how far it moved on its own monitor.
Picture UserDesktop(int width, int height, const std::vector<Area>& monitors);

// What a screenshot of the renderer's scene shows.
struct SceneLook {
  bool rain = false;   // far from black, with blue and yellow glyphs
  bool model = false;  // the model and its glow light the middle far more than the rain the sides
};
SceneLook LookAt(const Picture& image);

}  // namespace orvane::e2e
