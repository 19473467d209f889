#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "platform/types.h"

#include "platform/win32/handles.h"
#include "renderer/scene/input_watch.h"
#include "renderer/scene/scene_visibility.h"
#include "renderer/win32/clock.h"
#include "renderer/win32/visibility_notifications.h"

namespace orvane::renderer::win32 {

// The renderer's one window: borderless, over every monitor, titled "3dOrvane_VC"
// (the screen saver watches for that title), without a cursor. A key, a mouse button, the
// wheel or a real mouse movement closes it, and so do WM_CLOSE and the end of the session;
// its closing ends the message loop and with it the program.
class RendererWindow {
 public:
  RendererWindow(HINSTANCE instance, const Clock& clock);
  RendererWindow(const RendererWindow&) = delete;
  RendererWindow& operator=(const RendererWindow&) = delete;

  HWND Handle() const { return window_.get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Where the monitors lie in the window, in its pixels.
  const std::vector<platform::Rect>& Monitors() const { return monitors_; }
  // Whether anybody can see the scene now: the session on the screen and unlocked, the
  // displays on, the window neither minimised nor covered.
  bool SceneSeen();

  // Every message of the window, from its window procedure.
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void OnMouseMove(LPARAM lParam);
  void OnEndSession(WPARAM ending);
  void OnDestroy();
  void Close();

  const Clock& clock_;
  const platform::Rect desk_;
  int width_;
  int height_;
  std::vector<platform::Rect> monitors_;
  platform::win32::UniqueWindow window_;
  std::optional<InputWatch> inputWatch_;
  SceneVisibility visibility_;
  std::optional<VisibilityNotifications> notifications_;
};

// Hands the waiting messages to their windows; false once the program should end.
bool PumpMessages();
// Waits, drawing nothing and using no time, until a message comes; false once the program
// should end.
bool WaitForMessage();

}  // namespace orvane::renderer::win32
