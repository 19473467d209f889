#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The settings file on its bytes, read and written as the system's profile functions do: lines
// "[section]", each followed by its lines "key=value". Names and values are in code page 932,
// where the second byte of a double-byte character may be "[", "]" or a letter, so no scan
// here ever looks at a second byte on its own.
namespace orvane::settings {

// The value of `key` in the first section named `section`: without the blanks around it and
// one pair of enclosing quotes, cut to at most `maxBytes` bytes without splitting a character;
// empty when the section or the key is missing. Names match whatever the case of their ASCII
// letters.
std::string IniValue(std::string_view file, std::string_view section, std::string_view key,
                     std::size_t maxBytes);

// `file` with `key` of `section` set to `value` less its leading blanks: the key's line replaced
// where it stands, else a line added after the last key of the section, else the section added
// at the end. Every other byte stays as it was.
std::string WithIniValue(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view value);

}  // namespace orvane::settings
