#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::e2e {

// Moves the mouse, clicks and presses keys on the Wine session's X display, as a user's hand
// would: runs xdotool with `arguments`, its output going to `logFile`.
void Xdotool(const std::vector<std::string>& arguments, const std::filesystem::path& logFile);

}  // namespace orvane::e2e
