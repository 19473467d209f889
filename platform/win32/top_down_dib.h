#pragma once

#include <windows.h>

namespace orvane::platform::win32 {

// The layout, for CreateDIBSection and GetDIBits, of a picture of `width` x `height` pixels
// that the code reads or writes directly: 32 bits a pixel (blue, green, red, unused) and rows
// from the top, so that row y starts y * width pixels in.
inline BITMAPINFO TopDownDibInfo(LONG width, LONG height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // a negative height puts the first row at the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace orvane::platform::win32
