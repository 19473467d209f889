#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "window_probe.h"
#include "wine_session.h"
#include "x_screen.h"

namespace orvane::e2e {

using namespace std::chrono_literals;

// The files a program folder gets beside the screen saver: stand-ins that pass its start-up check.
struct Shipped {
  bool renderer = true;
  bool model = true;
};

inline const std::string kApplicationTitle = "3dOrvane (Screen Saver)";
inline const std::string kDialogTitle = "<3dOrvaneの設定>";
inline const std::string kRendererTitle = "3dOrvane_VC";

// A settings file as the system's profile writer under Wine lays it out: the three keys in code
// page 932 in the order written, the blank the program puts before a number dropped.
inline std::string IniText(const std::string& kind, const std::string& repeat, const std::string& file) {
  return "[Section]\r\nBGM\x8b\xe6\x95\xaa=" + kind + "\r\nBGM\xd8\xcb\xdf\xb0\xc4=" + repeat +
         "\r\nBGM\xcc\xa7\xb2\xd9=" + file + "\r\n";
}

// The environment of a program run as on an English Windows, whose ANSI code page is 1252:
// Wine takes it from the locale.
inline const std::vector<std::string> kEnglishLocale = {"LANG=en_US.UTF-8", "LC_ALL=en_US.UTF-8"};

// Each test works in its own output folder under the build folder: program folders,
// screenshots and logs. The folder stays when the test fails and goes when it passes.
class E2eTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  const std::filesystem::path& OutputFolder() const { return outputFolder_; }
  // A fresh folder holding the chosen build of the screen saver and the chosen shipped files.
  std::filesystem::path MakeProgramFolder(Shipped shipped = {}, Build build = PrimaryBuild(),
                                          const std::string& name = "program");
  // Starts the screen saver in `workingFolder`, or where the tests run when it is empty.
  ChildProcess StartScreenSaver(const std::filesystem::path& programFolder,
                                const std::vector<std::string>& arguments,
                                const std::vector<std::string>& overrides = {},
                                const std::filesystem::path& workingFolder = {});
  // Plants a DLL that records its own loading in each folder under the name of every DLL the
  // programs import or load; PlantedDllLoads tells where it was loaded from (nowhere, rightly).
  static void PlantRecordingDlls(Build build, const std::vector<std::filesystem::path>& folders);
  static std::string PlantedDllLoads(const std::vector<std::filesystem::path>& folders);
  // Runs a Windows program (a test tool, or one of Wine's own) to its end and returns what it
  // printed; expects it to end cleanly.
  std::string RunTool(const std::filesystem::path& tool, const std::vector<std::string>& arguments);
  // Runs a Linux command in the session's environment and expects it to succeed.
  void RunOnLinux(const std::vector<std::string>& command);
  // Moves the real pointer or presses real keys on the session's display.
  void Xdotool(const std::vector<std::string>& arguments);
  std::filesystem::path StagingFolder() const;
  XScreen& screen() { return screen_; }
  // Waits until a window with this title is mapped on the screen (or, `shown` false, is not).
  bool WaitForWindow(const std::string& title, bool shown, std::chrono::milliseconds timeout);
  // Hands `look` a screenshot every `period` until the renderer's window shows, the saver ends,
  // `look` has seen enough (returns true) or a minute has passed.
  void WatchTheEffect(ChildProcess& saver, std::chrono::milliseconds period,
                      const std::function<bool(const Picture&)>& look);
  // Waits for the renderer's window, then for a screenshot that shows the `complete` scene,
  // and then for the end of the renderer's half second of grace from its window's showing, in
  // which it ignores mouse moves. The last screenshot.
  Picture WaitForScene(const std::function<bool(const Picture&)>& complete);

  // Shows the scene at fixed moments over the session's monitors and compares each with its
  // reference picture, "<layout>-<seconds>s.png"; with ORVANE_NEW_REFERENCES=1 in the
  // environment, makes the references anew from what it shows.
  void ExpectSceneAsItsReferences(const std::string& layout);

  Probe& probe() { return probe_; }
  // A new file for the output of a program the test runs, which a failure's report shows.
  std::filesystem::path NextLog(const std::string& name);

 private:
  // Keeps, and prints, what a failure is read by: the screen, the session's Wine processes, the
  // top-level windows and the end of each log the test's programs wrote.
  void ReportFailure();

  std::filesystem::path outputFolder_;
  Probe probe_{""};
  XScreen screen_{WineSession::Current().Variable("DISPLAY")};
  int logs_ = 0;
};

}  // namespace orvane::e2e
