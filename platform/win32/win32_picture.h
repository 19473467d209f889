#pragma once

#include <memory>
#include <string>

#include "platform/win32/win32_pixel_image.h"

namespace orvane::platform::win32 {

// One of the program's stored pictures (an RCDATA resource holding a bitmap or JPEG file, or
// a BITMAP resource), decoded into an image of its own size; empty when there is no such
// resource or it cannot be decoded.
std::unique_ptr<Win32PixelImage> LoadPictureResource(const std::wstring& name,
                                                     DisplayServices& display);

}  // namespace orvane::platform::win32
