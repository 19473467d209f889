#pragma once

#include <windows.h>

#include "platform/window_timer.h"

namespace orvane::platform::win32 {

// A SetTimer timer of one window, whose ticks arrive as its WM_TIMER with this timer's id.
class Win32WindowTimer final : public WindowTimer {
 public:
  Win32WindowTimer(HWND window, UINT_PTR id) : window_(window), id_(id) {}
  Win32WindowTimer(const Win32WindowTimer&) = delete;
  Win32WindowTimer& operator=(const Win32WindowTimer&) = delete;
  ~Win32WindowTimer() override { KillTimer(window_, id_); }

  void Start(std::uint32_t intervalMs) override { SetTimer(window_, id_, intervalMs, nullptr); }

  UINT_PTR id() const { return id_; }

 private:
  HWND window_;
  UINT_PTR id_;
};

}  // namespace orvane::platform::win32
