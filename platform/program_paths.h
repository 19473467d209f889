#pragma once

#include <string>
#include <string_view>

namespace orvane::platform {

// The argument text of a full command line: what follows the program name (quoted or not)
// and the blanks that separate the two, with nothing else removed.
std::wstring ArgumentsAfterProgramName(std::wstring_view commandLine);

// The folder of a program file's full path, without the trailing backslash, except at a
// drive's root, which keeps it ("C:\"), as programs have always been told their folder.
std::wstring FolderOfFile(std::wstring_view filePath);

}  // namespace orvane::platform
