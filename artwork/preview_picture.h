#pragma once

#include "artwork/picture.h"

namespace orvane::artwork {

// The still picture of the preview: a dark scene with columns of small glowing blue and
// yellow characters running down it and a few large dim glyphs behind them, as the renderer
// shows the saver.
Picture PaintPreviewPicture();

}  // namespace orvane::artwork
