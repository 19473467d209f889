#pragma once

namespace orvane::button {

// The six face pictures of the button, 64 x 25 pixels each, kept as bitmap resources of the
// program under these names. Only their outer 4-pixel ring is ever drawn.
enum class FacePicture { kNormal, kHighLight, kHighLightSelect, kPressed, kSelected, kDisable };

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
