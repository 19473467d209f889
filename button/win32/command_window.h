#pragma once

#include <windows.h>

#include <functional>

#include "button/command.h"
#include "platform/property_bag.h"
#include "platform/services.h"
#include "platform/win32/win32_drawing_surface.h"
#include "platform/win32/win32_text_label.h"
#include "platform/win32/win32_window_timer.h"

namespace orvane::button::win32 {

inline constexpr char kCommandClassName[] = "ThreeDOrvane.Command";

// The push button as a child window (class "ThreeDOrvane.Command"): it hands its messages to
// the button's handlers and is the button's container towards its parent window.
class CommandWindow final : private CommandContainer {
 public:
  using ClickHandler = std::function<void()>;

  // Makes a button in `parent` at `bounds` (twips of the parent's client area) and loads it
  // from `savedProperties`; the container still calls Initialize. The window owns the object
  // and deletes it when it is destroyed. Null when no window could be made.
  static CommandWindow* Create(platform::Services& services, HWND parent, int controlId,
                               const platform::TwipsRect& bounds,
                               const platform::PropertyBag& savedProperties,
                               ClickHandler onClick);

  CommandWindow(const CommandWindow&) = delete;
  CommandWindow& operator=(const CommandWindow&) = delete;

  Command& command() { return command_; }
  HWND hwnd() const { return window_; }

 private:
  CommandWindow(platform::Services& services, HWND window, ClickHandler onClick);
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void OnPaint();
  void OnMouseMove(LPARAM position);
  void OnButtonDown(MouseButton button);
  void OnButtonUp(MouseButton button, WPARAM buttonsStillDown);

  void OnClick() override;
  void PropertyChanged(const std::wstring&) override {}  // nothing saves them while running
  platform::FontDescription AmbientFont() override;

  HWND window_;
  platform::DisplayServices& display_;
  platform::win32::Win32DrawingSurface surface_;
  platform::win32::Win32TextLabel caption_;
  platform::win32::Win32WindowTimer mouseTimer_;
  ClickHandler onClick_;
  Command command_;
};

}  // namespace orvane::button::win32
