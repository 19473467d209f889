#pragma once

#include <windows.h>

#include <optional>

#include "renderer/scene/scene_visibility.h"

namespace orvane::renderer::win32 {

// Asks the system to tell `window` of session locks and disconnects and of the displays going
// off and on, for as long as it lives; a system without either simply tells nothing.
class VisibilityNotifications {
 public:
  explicit VisibilityNotifications(HWND window);
  VisibilityNotifications(const VisibilityNotifications&) = delete;
  VisibilityNotifications& operator=(const VisibilityNotifications&) = delete;
  ~VisibilityNotifications();

 private:
  HWND window_;
  bool sessionChanges_ = false;
  void* consoleDisplay_ = nullptr;
  void* sessionDisplay_ = nullptr;
};

// Passes a message of those notifications to `visibility`; false for any other message.
bool TakeVisibilityMessage(UINT message, WPARAM wParam, LPARAM lParam, SceneVisibility& visibility);

}  // namespace orvane::renderer::win32
