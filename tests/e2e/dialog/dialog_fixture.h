#pragma once

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "build_paths.h"
#include "e2e_test.h"
#include "x_screen.h"

namespace orvane::e2e {

const std::string kDialogTitle = "<3dOrvaneの設定>";

// The dialog's controls, by the identifiers their windows carry.
enum DialogControl : int {
  kSourceName = 100,  // 100 none, 101 audio CD, 102 music file
  kSourceMark = 110,  // the marks in front of them, in the same order
  kTrackBox = 120, kFileButton, kSaveButton, kCancelButton, kPanel, kFileName, kLink, kHeading,
  kTrackCaption, kCredit,
};

// Whether the rectangle of `a` lies wholly inside that of `b`.
inline bool Inside(const ChildWindowInfo& a, const ChildWindowInfo& b) {
  return a.left >= b.left && a.top >= b.top && a.right <= b.right && a.bottom <= b.bottom;
}

// The settings file as the system's profile writer under Wine lays it out: the three keys in
// code page 932 in the order written, the blank the program puts before a number dropped.
inline std::string IniText(const std::string& kind, const std::string& repeat,
                           const std::string& file) {
  return "[Section]\r\nBGM\x8b\xe6\x95\xaa=" + kind + "\r\nBGM\xd8\xcb\xdf\xb0\xc4=" + repeat +
         "\r\nBGM\xcc\xa7\xb2\xd9=" + file + "\r\n";
}

// The settings dialog of a program folder of its own, opened with /c and driven with the real
// pointer and keyboard.
class DialogTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    program_ = MakeProgramFolder();
    // Away from where the dialog opens, so no control starts under the pointer.
    Xdotool({"mousemove", "1000", "700"});
  }

  std::filesystem::path IniFile() const { return program_ / "3dOrvane.ini"; }
  std::string IniBytes() const { return ReadBytes(IniFile()); }
  void WriteIni(const std::string& bytes) { std::ofstream(IniFile(), std::ios::binary) << bytes; }

  // Starts the program with /c and waits until its dialog shows and has painted.
  ChildProcess OpenDialog() {
    ChildProcess saver = StartScreenSaver(program_, {"/c"});
    if (!WaitForWindow(kDialogTitle, true) || !Refresh()) ADD_FAILURE() << "the dialog did not show";
    std::this_thread::sleep_for(500ms);
    return saver;
  }
  // Reads the dialog's windows again; false while it has none.
  bool Refresh() {
    std::optional<WindowContents> contents = probe().Contents(kDialogTitle);
    if (!contents || contents->children.empty()) return false;
    dialog_ = *contents;
    return true;
  }
  const ChildWindowInfo& Control(int id) {
    const ChildWindowInfo* control = dialog_.Control(id);
    if (!control) throw std::runtime_error("no control " + std::to_string(id));
    return *control;
  }

  // Clicks the middle of a control with a mouse button.
  void Click(int id, const std::string& button = "1") {
    const ChildWindowInfo& c = Control(id);
    Xdotool({"mousemove", std::to_string(dialog_.clientLeft + (c.left + c.right) / 2),
             std::to_string(dialog_.clientTop + (c.top + c.bottom) / 2)});
    Xdotool({"click", button});
    // The button's hover poll and the dialog's handlers have run by then.
    std::this_thread::sleep_for(300ms);
    Refresh();
  }
  // Chooses a file by typing its path into the system's file-open dialog.
  void ChooseFile(const std::string& windowsPath) {
    Click(kFileButton);
    ASSERT_TRUE(WaitForWindow("ﾌｧｲﾙを開く", true)) << "no file chooser";
    std::this_thread::sleep_for(500ms);
    Xdotool({"type", "--delay", "30", windowsPath});
    Xdotool({"key", "Return"});
    ASSERT_TRUE(WaitForWindow("ﾌｧｲﾙを開く", false)) << "the file chooser stayed";
    Refresh();
  }
  // Waits until a top-level window with this title shows, or until there is none at all.
  bool WaitForWindow(const std::string& title, bool shown) {
    const auto deadline = std::chrono::steady_clock::now() + 15s;
    const auto found = [&](const WindowInfo& w) { return w.title == title && (w.visible || !shown); };
    for (;;) {
      const std::vector<WindowInfo> windows = probe().Windows();
      if (std::any_of(windows.begin(), windows.end(), found) == shown) return true;
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(200ms);
    }
  }

  std::filesystem::path program_;
  WindowContents dialog_;
};

}  // namespace orvane::e2e
