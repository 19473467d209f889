#pragma once

#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "platform/display_services.h"
#include "platform/form_services.h"
#include "platform/win32/screen_pointer.h"

namespace orvane::platform::win32 {

// What the program's windows and controls are given from outside: the display, for the scale
// of their text, and the pointer set over the whole program.
struct WindowSurroundings {
  DisplayServices& display;
  const ScreenPointerSetting& pointer;
};

// A control that a container owns; its window, if it has one, is a child of the container's.
class Win32Control {
 public:
  virtual ~Win32Control() = default;
};

// The controls of one window (a form or a picture box): labels and images are small child
// windows that show what lies behind them around their content, and report presses and
// clicks to the form's handlers; frames are drawn by the window itself.
class Win32ControlLayer final : public ControlContainer {
 public:
  Win32ControlLayer(HWND window, FormHandlers& handlers, const WindowSurroundings& surroundings);
  Win32ControlLayer(const Win32ControlLayer&) = delete;
  Win32ControlLayer& operator=(const Win32ControlLayer&) = delete;
  ~Win32ControlLayer() override;

  WindowHandle Handle() override { return reinterpret_cast<WindowHandle>(window_); }
  Label& AddLabel(int controlId, const Rect& box, const std::wstring& caption,
                  const LabelStyle& style) override;
  ImageControl& AddImage(int controlId, const Rect& box, bool stretch) override;
  ComboBox& AddComboBox(int controlId, const Rect& box, const FontDescription& font) override;
  PictureBox& AddPictureBox(int controlId, const Rect& box) override;
  DrawnControl& AddDrawnControl(int controlId, const Rect& box, const std::wstring& className,
                                DrawnControlHandlers& handlers) override;
  void AddFrame(const Rect& box, Colour colour) override;

  // Draws the frames; the window calls it after painting its image.
  void DrawFrames(HDC dc) const;

 private:
  template <typename Control, typename... Arguments>
  Control& Add(Arguments&&... arguments);

  HWND window_;
  FormHandlers& handlers_;
  const WindowSurroundings surroundings_;
  std::vector<std::unique_ptr<Win32Control>> controls_;
  std::vector<std::pair<Rect, Colour>> frames_;
};

}  // namespace orvane::platform::win32
