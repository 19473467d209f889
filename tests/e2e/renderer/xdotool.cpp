#include "xdotool.h"

#include <gtest/gtest.h>

#include "wine_session.h"

namespace orvane::e2e {

void Xdotool(const std::vector<std::string>& arguments, const std::filesystem::path& logFile) {
  std::vector<std::string> command{"xdotool"};
  command.insert(command.end(), arguments.begin(), arguments.end());
  ChildProcess xdotool(command, WineSession::Current().Environment(), logFile);
  EXPECT_EQ(xdotool.WaitForExit(std::chrono::seconds(10)), 0) << xdotool.Output();
}

}  // namespace orvane::e2e
