#pragma once

namespace orvane::platform::win32 {

// Makes the process work in each monitor's own pixels, so that pictures and windows are not
// scaled by the system on monitors of different scale: per-monitor aware where the system
// offers it (Windows 10 1703 and later, then 8.1), else aware of the primary's dots per inch
// (Vista and later). Called before the first window.
void UsePhysicalPixels();

}  // namespace orvane::platform::win32
