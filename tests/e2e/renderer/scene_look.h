#pragma once

#include "screen_image.h"

namespace orvane::e2e {

// What a screenshot of the renderer's scene shows, in counts of pixels.
struct SceneLook {
  int total = 0;
  int lit = 0;     // any channel above 40
  int blue = 0;    // clearly more blue than red
  int yellow = 0;  // red and green well above blue
  double centreBrightness = 0;  // mean of the middle ninth of the screen
  double edgeBrightness = 0;    // mean of the left and right tenths
};

SceneLook LookAt(const ScreenImage& image);

// The glyph rain is there: the screen is far from black and shows blue and yellow glyphs.
void ExpectGlyphRain(const SceneLook& look);

// The model and its glow light up the middle far more than the rain lights the sides.
bool ShowsTheModel(const SceneLook& look);

}  // namespace orvane::e2e
