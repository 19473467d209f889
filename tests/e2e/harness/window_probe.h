#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "wine_session.h"

namespace orvane::e2e {

struct WindowInfo {
  bool visible = false;
  int left = 0, top = 0, right = 0, bottom = 0;
  std::string title;
};

// A window inside a top-level window, with its rectangle in the top-level's client area.
struct ChildWindowInfo {
  bool enabled = false;
  int controlId = 0;
  int left = 0, top = 0, right = 0, bottom = 0;
  std::string text;
};

// The client area of a top-level window on the screen, and the windows inside it.
struct WindowContents {
  int clientLeft = 0, clientTop = 0, clientWidth = 0, clientHeight = 0;
  int focusId = 0;  // the control that has the keyboard focus
  std::vector<ChildWindowInfo> children;
};

struct MessageBoxInfo {
  std::string text;
  std::vector<std::string> buttons;
};

// Looks at and acts on the session's windows through tests/win32/probe.exe, whose output is
// kept in `workFolder`. A title names a top-level window.
class Probe {
 public:
  explicit Probe(std::filesystem::path workFolder) : workFolder_(std::move(workFolder)) {}

  std::vector<WindowInfo> Windows();
  // The shown top-level window of this title; none while there is none.
  std::optional<WindowInfo> Shown(const std::string& title);
  // A message box's text and buttons, once it shows within `timeout`; presses `button` when
  // given, and gives nothing when the box has no such button.
  std::optional<MessageBoxInfo> WaitForMessageBox(const std::string& caption,
                                                  std::chrono::milliseconds timeout,
                                                  const std::string& button = "");
  // A window at (0, 0), kept until `duration` has passed or the process is killed; `handle`
  // receives its handle in decimal.
  ChildProcess Hold(const std::string& title, std::chrono::milliseconds duration, int width = 64,
                    int height = 64, std::string* handle = nullptr);
  // The window's contents once its thread takes messages again; none once it has gone.
  std::optional<WindowContents> Contents(const std::string& title);
  bool SetText(const std::string& title, int controlId, const std::string& text);  // of a control in it
  // What another program may do to a file: {what, "yes" or "no"} for "read", "read sharing
  // writes", "write" and "delete" (which deletes when it may).
  std::vector<std::vector<std::string>> Tamper(const std::string& windowsPath) { return Run({"tamper", windowsPath}); }
  // Posts the message, lParam 0; false when there is no such window.
  bool Post(const std::string& title, unsigned message, unsigned wParam = 0) {
    return !Run({"post", title, std::to_string(message), std::to_string(wParam)}).empty();
  }
  bool Close(const std::string& title) { return Post(title, 0x10); }  // WM_CLOSE
  // Returns once the window has handled the message.
  bool Send(const std::string& title, unsigned message, unsigned wParam) {
    return !Run({"send", title, std::to_string(message), std::to_string(wParam)}).empty();
  }
  // The priority class of each process of the program file, in hex ("4000": below normal).
  std::vector<std::vector<std::string>> Priorities(const std::string& program) { return Run({"priority", program}); }

 private:
  ChildProcess Start(const std::vector<std::string>& arguments);
  // Runs the probe to its end: the tab-separated fields of each line it printed; none when it
  // failed.
  std::vector<std::vector<std::string>> Run(const std::vector<std::string>& arguments);

  std::filesystem::path workFolder_;
  int runs_ = 0;
};

}  // namespace orvane::e2e
