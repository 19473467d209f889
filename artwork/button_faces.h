#pragma once

#include <string>

#include "artwork/picture.h"
#include "button/face_pictures.h"

namespace orvane::artwork {

// Paints one of the button's face pictures: a rounded frame four pixels deep, in the colours
// of that face, round an interior that the button never shows.
Picture PaintButtonFace(button::FacePicture face);

// The file the picture of `face` is kept in; the button's resource script names the same.
std::string ButtonFaceFileName(button::FacePicture face);

}  // namespace orvane::artwork
