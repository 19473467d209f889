#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/form_controls.h"
#include "platform/pixel_image.h"
#include "platform/types.h"

namespace orvane::platform {

// What a top-level window of the program tells the code that owns it.
class FormHandlers {
 public:
  virtual ~FormHandlers() = default;

  virtual void OnTimer(int timerId) = 0;
  // The window is about to close, for whatever reason: from code, from another program, or
  // because the session ends. A close is never refused.
  virtual void OnUnload() = 0;
  // Any mouse button went down over a label or an image of the window.
  virtual void OnControlMouseDown(int /*controlId*/) {}
  // The left button went down and came up again over the same label or image.
  virtual void OnControlClick(int /*controlId*/) {}
};

enum class FormBorder {
  kNone,         // no border and no title bar
  kFixedDialog,  // a dialog frame with a title bar and a close box, not resizable
};

struct FormStyle {
  FormBorder border = FormBorder::kNone;
  // The client area's size in pixels; a borderless window is sized later.
  std::int32_t clientWidth = 0;
  std::int32_t clientHeight = 0;
  // What the window's image holds before anything is drawn on it.
  Colour background = kBlack;
};

// The pointer shown over every window of the program, whatever its controls would show.
enum class ScreenPointer { kDefault, kHourglass };

// What the system's file-open dialog is asked for: an OPENFILENAME record without the
// later extension fields, with one filter and no initial folder.
struct OpenFileRequest {
  WindowHandle owner = 0;
  std::wstring filterDescription;
  std::wstring filterPattern;
  // Buffer lengths in characters, the closing NUL included.
  std::size_t fileBufferSize = 0;
  std::size_t fileTitleBufferSize = 0;
  std::wstring title;
  std::uint32_t flags = 0;
};

// A block of an image to show on a window: `area` of `image`, placed with its top-left corner
// at `at` of the window's client area.
struct PresentedBlock {
  PixelImage* image;
  Rect area;
  Point at;
};

// A top-level window showing a retained image in pixels, with controls over it and window
// timers that tick through its messages.
class FormWindow {
 public:
  virtual ~FormWindow() = default;

  virtual WindowHandle Handle() = 0;
  // Moves and sizes the outer rectangle.
  virtual void SetBounds(const Rect& bounds) = 0;
  virtual std::int32_t ClientWidth() = 0;
  virtual std::int32_t ClientHeight() = 0;
  // Shows the window, not minimised or maximised, without waiting.
  virtual void Show() = 0;
  virtual void Hide() = 0;
  // Shows the window and handles the thread's messages until it has been unloaded.
  virtual void ShowModal() = 0;
  // Where the window's controls are placed: its client area.
  virtual ControlContainer& Controls() = 0;

  virtual void EnableTimer(int timerId, std::uint32_t intervalMs) = 0;
  virtual void DisableTimer(int timerId) = 0;
  virtual bool TimerEnabled(int timerId) = 0;

  // What the window shows; drawing reaches the screen when presented or repainted.
  virtual PixelImage& Image() = 0;
  virtual void Present() = 0;
  // Shows the blocks on the screen at once, each drawn over those before it, in place of what
  // the image shows there. A repaint shows the image again.
  virtual void PresentBlocks(const std::vector<PresentedBlock>& blocks) = 0;
  // Whether the system had the window show its image again since the last call: blocks
  // presented before then may have been painted over.
  virtual bool RepaintedSinceAsked() = 0;

  // Closes the window from code: OnUnload, then the window is gone.
  virtual void Unload() = 0;
  virtual bool IsLoaded() = 0;
};

class FormServices {
 public:
  virtual ~FormServices() = default;

  // A new window, not shown yet.
  virtual std::unique_ptr<FormWindow> CreateForm(const std::wstring& title, FormHandlers& handlers,
                                                 const FormStyle& style) = 0;
  // A borderless window on black.
  std::unique_ptr<FormWindow> CreateForm(const std::wstring& title, FormHandlers& handlers) {
    return CreateForm(title, handlers, FormStyle{});
  }
  virtual std::unique_ptr<PixelImage> CreateImage(std::int32_t width, std::int32_t height) = 0;
  // One of the program's stored pictures, as an image of the picture's own size; empty when
  // the program holds no such picture.
  virtual std::unique_ptr<PixelImage> LoadPicture(const std::wstring& pictureName) = 0;
  // The rectangle round every monitor (the virtual screen), in screen pixels: the primary
  // monitor's top-left corner is (0, 0), so monitors left of or above it lie at negative ones.
  virtual Rect VirtualScreen() = 0;
  // Every monitor of the desk, the primary first.
  virtual std::vector<Monitor> Monitors() = 0;
  // The monitor that holds `point`, or the one nearest to it.
  virtual Monitor MonitorAt(const Point& point) = 0;
  // Handles the window messages waiting now, then returns.
  virtual void ProcessPendingMessages() = 0;
  // Ends the program's message loop once the message being handled is done.
  virtual void EndMessageLoop() = 0;
  virtual void SetScreenPointer(ScreenPointer pointer) = 0;
  // Shows the system's file-open dialog and waits for it: the chosen file's full path, or
  // empty when the user cancelled or the dialog failed.
  virtual std::optional<std::wstring> ChooseFileToOpen(const OpenFileRequest& request) = 0;
};

}  // namespace orvane::platform
