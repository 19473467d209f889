#pragma once

#include <cstdint>
#include <memory>
#include <string>

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
  virtual void OnQueryUnload() = 0;
  // Right after OnQueryUnload, before the window goes.
  virtual void OnUnload() = 0;
};

// A borderless top-level window showing a retained image in pixels, with window timers
// that tick through its messages. The process ends once its last window has been unloaded.
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

  virtual void EnableTimer(int timerId, std::uint32_t intervalMs) = 0;
  virtual void DisableTimer(int timerId) = 0;
  virtual bool TimerEnabled(int timerId) = 0;

  // What the window shows; drawing reaches the screen when presented or repainted.
  virtual PixelImage& Image() = 0;
  virtual void Present() = 0;

  // Closes the window from code: OnQueryUnload, OnUnload, then the window is gone.
  virtual void Unload() = 0;
  virtual bool IsLoaded() = 0;
};

class FormServices {
 public:
  virtual ~FormServices() = default;

  virtual std::unique_ptr<FormWindow> CreateForm(const std::wstring& title,
                                                 FormHandlers& handlers) = 0;
  virtual std::unique_ptr<PixelImage> CreateImage(std::int32_t width, std::int32_t height) = 0;
  virtual std::int32_t PrimaryScreenWidth() = 0;
  virtual std::int32_t PrimaryScreenHeight() = 0;
  // Handles the window messages waiting now, then returns.
  virtual void ProcessPendingMessages() = 0;
};

}  // namespace orvane::platform
