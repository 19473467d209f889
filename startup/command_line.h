#pragma once

#include <string>

#include "platform/types.h"

namespace orvane::startup {

// The letters that select a mode: the second character of the command line, upper-cased.
inline constexpr wchar_t kPreviewMode = L'P';
inline constexpr wchar_t kSettingsMode = L'C';
inline constexpr wchar_t kSaverMode = L'S';

// The upper-cased second character of the command line; 0 when the line is shorter.
wchar_t ModeLetter(const std::wstring& commandLine);

// The host pane's window handle of a preview command line ("/p 1234", "/p:1234"): the
// number read from the fourth character on, rounded to a 32-bit integer; 0 when there is none.
platform::WindowHandle PaneHandle(const std::wstring& commandLine);

}  // namespace orvane::startup
