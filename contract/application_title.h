#pragma once

namespace orvane::contract {

// The program's title, as the system lists it; also the caption of its message boxes.
inline constexpr wchar_t kApplicationTitle[] = L"3dOrvane (Screen Saver)";

}  // namespace orvane::contract
