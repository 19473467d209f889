#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "build_paths.h"
#include "child_process.h"

namespace orvane::e2e {

// The Wine session that the test run's set-up started (tools/wine-rig.sh): its environment,
// its C: drive and its X display. ORVANE_WINE_SESSION names another session's folder.
class WineSession {
 public:
  static WineSession& Current();

  bool Runs(Build build) const;

  const std::vector<std::string>& Environment() const { return environment_; }
  std::filesystem::path DriveC() const;
  std::string Variable(const std::string& name) const;

  // Starts a Windows program under Wine; its output goes to `outputFile`. `overrides`
  // ("NAME=value") replace or add to the session's environment for this program.
  ChildProcess Start(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                     const std::filesystem::path& outputFile,
                     const std::vector<std::string>& overrides = {}) const;
  void Screenshot(const std::filesystem::path& pngFile) const;

 private:
  explicit WineSession(const std::filesystem::path& environmentFile);

  std::vector<std::string> environment_;
};

// The build the session runs unless a test asks for another: the i686 build where Wine runs
// 32-bit programs on this machine, the x86_64 build where it cannot.
Build PrimaryBuild();

// The probe of the session's primary build.
std::filesystem::path ProbeProgram();

// The Windows path of a Linux path, as Wine's Z: drive shows it.
std::string WindowsPath(const std::filesystem::path& linuxPath);

struct WindowInfo {
  std::string handle;
  bool visible = false;
  std::string className;
  int left = 0, top = 0, right = 0, bottom = 0;
  std::string title;
};

// A window inside a top-level window, with its rectangle in the top-level's client area.
struct ChildWindowInfo {
  std::string handle;
  bool visible = false;
  bool enabled = false;
  std::string className;
  int controlId = 0;
  int left = 0, top = 0, right = 0, bottom = 0;
  std::string text;
};

// The client area of a top-level window on the screen, and the windows inside it.
struct WindowContents {
  int clientLeft = 0, clientTop = 0, clientWidth = 0, clientHeight = 0;
  std::vector<ChildWindowInfo> children;

  // The first child with this control id; null when there is none.
  const ChildWindowInfo* Control(int controlId) const;
};

struct MessageBoxInfo {
  std::string text;
  std::vector<std::string> buttons;
};

// Looks at and acts on the session's windows through the probe program.
class Probe {
 public:
  explicit Probe(std::filesystem::path workFolder) : workFolder_(std::move(workFolder)) {}

  std::vector<WindowInfo> Windows();
  std::optional<MessageBoxInfo> WaitForMessageBox(const std::string& caption,
                                                  std::chrono::milliseconds timeout);
  bool Press(const std::string& caption, const std::string& button);
  // A window with this title, kept until `duration` has passed or the process is killed.
  // It is 64 x 64 pixels at (0, 0) unless given a size; over a window made with `hand`, the
  // mouse pointer is the system's hand.
  ChildProcess Hold(const std::string& title, std::chrono::milliseconds duration, int width = 64,
                    int height = 64, bool hand = false);
  // A topmost window with this title at (left, top) of the screen that closes as soon as a
  // mouse button goes down on it, leaving the release to whatever lies below.
  ChildProcess HoldUntilPressed(const std::string& title, int left, int top, int width,
                                int height);
  // The insides of the top-level window with this title; empty when there is none.
  std::optional<WindowContents> Contents(const std::string& title);
  // The width and height of each text in a font of that face and size in points, as the
  // top-level window with this title measures it at its dots per inch; empty when there is no
  // such window.
  std::vector<std::pair<int, int>> TextExtents(const std::string& title, const std::string& face,
                                               double points, const std::vector<std::string>& texts);
  // Posts WM_CLOSE to the top-level window with this title; false when there is none.
  bool Close(const std::string& title);

 private:
  // Runs the probe to its end: the tab-separated fields of each line it printed.
  std::vector<std::vector<std::string>> Run(const std::vector<std::string>& arguments,
                                            int* exitCode = nullptr);
  // Starts a probe that holds a window, once the window is there.
  ChildProcess StartHolder(const std::vector<std::string>& arguments);
  std::filesystem::path NextOutputFile();

  std::filesystem::path workFolder_;
  int runs_ = 0;
};

}  // namespace orvane::e2e
