#pragma once

#include "platform/pixel_image.h"

namespace orvane::button {

// The colour of the dialog behind the buttons: the corners of the faces outside their curved
// border are of it, and so is the ground under a button's gradient.
inline constexpr platform::Colour kBehindFace = 0xD8E9EC;

// The six face pictures of the button, kept as bitmap resources of the program under these
// names. Only their outer ring is ever drawn.
enum class FacePicture { kNormal, kHighLight, kHighLightSelect, kPressed, kSelected, kDisable };

// Every face picture's size, and how deep its ring is on every side, in pixels.
inline constexpr int kFacePictureWidth = 64;
inline constexpr int kFacePictureHeight = 25;
inline constexpr int kFacePictureRing = 4;

inline constexpr FacePicture kFacePictures[] = {
    FacePicture::kNormal,  FacePicture::kHighLight, FacePicture::kHighLightSelect,
    FacePicture::kPressed, FacePicture::kSelected,  FacePicture::kDisable};

inline const wchar_t* ResourceName(FacePicture picture) {
  switch (picture) {
    case FacePicture::kNormal: return L"COMMAND_NORMAL";
    case FacePicture::kHighLight: return L"COMMAND_HIGHLIGHT";
    case FacePicture::kHighLightSelect: return L"COMMAND_HIGHLIGHTSELECT";
    case FacePicture::kPressed: return L"COMMAND_PRESSED";
    case FacePicture::kSelected: return L"COMMAND_SELECTED";
    case FacePicture::kDisable: return L"COMMAND_DISABLE";
  }
  return L"";
}

}  // namespace orvane::button
