#pragma once

#include <cstdint>

#include "platform/pixel_image.h"

namespace orvane::dialog {

// The maker's home page, which the dialog's link label shows and opens.
inline constexpr wchar_t kHomePageAddress[] = L"http://3dorvane.example.com/";

// The colour of row `y` of the dialog's background, `clientHeight` rows high: a light band in
// the middle, (220, 220, 250), fading to dark blue, (0, 0, 30), at the top and bottom edges.
platform::Colour BackgroundRowColour(std::int32_t y, std::int32_t clientHeight);

// Paints the whole background into the dialog's image, one horizontal line per row.
void PaintBackground(platform::PixelImage& image, std::int32_t clientWidth,
                     std::int32_t clientHeight);

// Covers `target` with copies of `tile`, column by column from the top-left corner.
void TileBackdrop(platform::PixelImage& target, platform::PixelImage& tile);

}  // namespace orvane::dialog
