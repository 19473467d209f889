#pragma once

#include "artwork/picture.h"

namespace orvane::artwork {

inline constexpr int kMarkSize = 12;
inline constexpr int kTileWidth = 556;
inline constexpr int kTileHeight = 20;

// The pale colour of the panel's tile between its veins, which the marks stand on.
inline constexpr Rgb kPanelColour{242, 246, 252};

// The mark in front of a music source: a dark blue ring, with a dot in it when the source
// is the one selected.
Picture PaintMark(bool selected);

// The tile of the panel behind the music sources: pale blue marble whose veins run across.
// Its rows go on from the last to the first, so copies stacked down meet without a seam.
Picture PaintTile();

}  // namespace orvane::artwork
