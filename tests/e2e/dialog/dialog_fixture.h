#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "e2e_test.h"

namespace orvane::e2e {

const std::string kDialogTitle = "<3dOrvaneの設定>";

// The dialog's controls, by the identifiers their windows carry.
enum DialogControl : int {
  kSourceName = 100,  // 100 none, 101 audio CD, 102 music file
  kSourceMark = 110,  // the marks in front of them, in the same order
  kTrackBox = 120, kFileButton, kSaveButton, kCancelButton, kPanel, kFileName, kLink, kHeading,
  kTrackCaption,
};

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
  void WriteIni(const std::string& bytes) { std::ofstream(IniFile(), std::ios::binary) << bytes; }

  // Starts the program with /c and waits until its dialog shows and has painted.
  ChildProcess OpenDialog() {
    ChildProcess saver = StartScreenSaver(program_, {"/c"});
    if (!Eventually([&] { return Shown(kDialogTitle); }) || !Refresh()) ADD_FAILURE() << "no dialog";
    std::this_thread::sleep_for(500ms);
    return saver;
  }
  // Reads the dialog's windows again; false once it has gone.
  bool Refresh() {
    const std::optional<WindowContents> contents = probe().Contents(kDialogTitle);
    if (contents && !contents->children.empty()) dialog_ = *contents;
    return contents && !contents->children.empty();
  }
  const ChildWindowInfo& Control(int id) {
    if (const ChildWindowInfo* control = dialog_.Control(id)) return *control;
    throw std::runtime_error("no control " + std::to_string(id));
  }
  // Moves the pointer to the middle of a control, or `dx` pixels right of it.
  void PointAt(int id, int dx = 0) {
    const ChildWindowInfo& c = Control(id);
    Xdotool({"mousemove", std::to_string(dialog_.clientLeft + (c.left + c.right) / 2 + dx),
             std::to_string(dialog_.clientTop + (c.top + c.bottom) / 2)});
  }
  void Click(int id, const std::string& button = "1") {
    PointAt(id);
    Xdotool({"click", button});
    // The button's hover poll and the dialog's handlers have run by then.
    std::this_thread::sleep_for(300ms);
    Refresh();
  }
  bool Shown(const std::string& title) {
    const std::vector<WindowInfo> windows = probe().Windows();
    return std::any_of(windows.begin(), windows.end(),
                       [&](const WindowInfo& w) { return w.title == title && w.visible; });
  }
  static bool Eventually(const std::function<bool()>& condition) {
    for (const auto deadline = std::chrono::steady_clock::now() + 15s; !condition();
         std::this_thread::sleep_for(100ms)) {
      if (std::chrono::steady_clock::now() > deadline) return false;
    }
    return true;
  }

  std::filesystem::path program_;
  WindowContents dialog_;
};

}  // namespace orvane::e2e
