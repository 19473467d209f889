#pragma once

#include <string>
#include <string_view>

namespace orvane::platform::win32 {

// Texts cross to the "A" entry points in the system's ANSI code page (932 on Japanese systems).
std::string ToAnsi(std::wstring_view text);
std::wstring FromAnsi(std::string_view text);
// A reply buffer read up to its first NUL.
std::wstring FromAnsiBuffer(const char* buffer, std::size_t size);

}  // namespace orvane::platform::win32
