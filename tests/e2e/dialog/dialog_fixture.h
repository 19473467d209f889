#pragma once

#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "build_paths.h"
#include "e2e_test.h"
#include "screen_image.h"
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

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

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

// A music file out of reach whose name is Japanese and, at 132 bytes in code page 932, longer
// than half of the 255 bytes a value may hold: C:\音楽\ then 曲 sixty times, then .mp3.
inline std::string FarMusicFile(bool codePage932) {
  std::string path = codePage932 ? "C:\\\x89\xb9\x8a\x79\\" : "C:\\音楽\\";
  for (int i = 0; i < 60; ++i) path += codePage932 ? "\x8b\xc8" : "曲";
  return path + ".mp3";
}

// The settings dialog of a program folder of its own, opened with /c and driven with the real
// pointer and keyboard.
class DialogTest : public E2eTest {
 protected:
  void SetUp() override {
    E2eTest::SetUp();
    program_ = MakeProgramFolder();
    // Away from where the dialog opens, so no control starts under the pointer.
    MovePointer(1000, 700);
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

  void MovePointer(int x, int y) { Xdotool({"mousemove", std::to_string(x), std::to_string(y)}); }
  void MoveOnto(int id) {
    const ChildWindowInfo& control = Control(id);
    MovePointer(dialog_.clientLeft + (control.left + control.right) / 2,
                dialog_.clientTop + (control.top + control.bottom) / 2);
  }
  void Click(int id, const std::string& button = "1") {
    MoveOnto(id);
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
    for (;;) {
      bool exists = false, visible = false;
      for (const WindowInfo& window : probe().Windows()) {
        if (window.title != title) continue;
        exists = true;
        visible |= window.visible;
      }
      if (shown ? visible : !exists) return true;
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(200ms);
    }
  }

  std::filesystem::path program_;
  WindowContents dialog_;
};

}  // namespace orvane::e2e
