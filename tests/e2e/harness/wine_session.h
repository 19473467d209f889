#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "build_paths.h"

namespace orvane::e2e {

// A Linux program started in the Wine session's environment, `overrides` ("NAME=value")
// replacing or adding variables. Its standard output goes to `outputFile`, its standard error
// (Wine's diagnostics) beside it with ".stderr" added. Killed when the object goes.
class ChildProcess {
 public:
  ChildProcess(const std::vector<std::string>& command, const std::filesystem::path& outputFile,
               const std::vector<std::string>& overrides = {});
  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&&) = delete;
  ~ChildProcess();

  // The exit code once the process has ended within `timeout`; empty while it still runs.
  std::optional<int> WaitForExit(std::chrono::milliseconds timeout);
  bool HasEnded() { return WaitForExit(std::chrono::milliseconds(0)).has_value(); }
  // Waits until the output holds `text`; false when the process ended or time ran out first.
  bool WaitForOutput(const std::string& text, std::chrono::milliseconds timeout);
  std::string Output() const;

 private:
  pid_t pid_ = -1;
  std::optional<int> exitCode_;
  std::filesystem::path outputFile_;
};

struct SessionProcess {
  pid_t pid;
  std::string commandLine;  // its words joined by blanks
};

// The Wine session that the test run's set-up started (tools/wine-rig.sh), or the one whose folder
// ORVANE_WINE_SESSION names.
class WineSession {
 public:
  static WineSession& Current();

  const std::vector<std::string>& Environment() const { return environment_; }
  std::string Variable(const std::string& name) const;
  // The processes running in the session's prefix: its programs, Wine's services, the wineserver.
  std::vector<SessionProcess> Processes() const;
  // Those whose command line holds `text`.
  std::vector<pid_t> ProcessesWith(const std::string& text) const;
  // Ends every Windows program that runs from a folder of the build (Wine's drive Z:), such as
  // a renderer that a failed test's screen saver left behind, and waits until they have gone.
  void EndProgramsOfTheBuild() const;
  // Starts a Windows program under Wine.
  ChildProcess Start(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                     const std::filesystem::path& outputFile, const std::vector<std::string>& overrides = {}) const;

 private:
  explicit WineSession(const std::filesystem::path& environmentFile);

  std::vector<std::string> environment_;
};

// Asks `condition` every `interval` until it holds; false when `timeout` ran out first.
bool Eventually(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
                std::chrono::milliseconds interval = std::chrono::milliseconds(20));

// The build the tests run unless they ask for another: the i686 build where Wine runs 32-bit
// programs on this machine, the x86_64 build where it cannot.
Build PrimaryBuild();

// The Windows path of a Linux path, as Wine's Z: drive shows it.
std::string WindowsPath(const std::filesystem::path& linuxPath);

std::string ReadBytes(const std::filesystem::path& file);

}  // namespace orvane::e2e
