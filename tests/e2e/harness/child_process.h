#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace orvane::e2e {

// A program started from a test, with its standard output written to a file and its standard
// error to the same name with ".stderr" added. It is killed when the object goes, unless it
// has ended by then.
class ChildProcess {
 public:
  ChildProcess(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
               const std::filesystem::path& outputFile);
  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&&) = delete;
  ChildProcess(const ChildProcess&) = delete;
  ~ChildProcess();

  // The exit code once the process has ended within `timeout`; empty while it still runs.
  std::optional<int> WaitForExit(std::chrono::milliseconds timeout);
  bool HasEnded() { return WaitForExit(std::chrono::milliseconds(0)).has_value(); }
  // Waits until the output holds `text`; false when the process ended or time ran out first.
  bool WaitForOutput(const std::string& text, std::chrono::milliseconds timeout);
  std::string Output() const;
  void Kill();

 private:
  pid_t pid_ = -1;
  std::optional<int> exitCode_;
  std::filesystem::path outputFile_;
};

}  // namespace orvane::e2e
