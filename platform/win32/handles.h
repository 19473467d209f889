#pragma once

#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace orvane::platform::win32 {

struct FileHandleTraits {
  using Handle = HANDLE;
  static Handle None() { return INVALID_HANDLE_VALUE; }
  static void Release(Handle handle) { CloseHandle(handle); }
};
using UniqueFile = UniqueHandle<FileHandleTraits>;

// A process, thread or other kernel object whose "none" is null.
struct KernelHandleTraits {
  using Handle = HANDLE;
  static Handle None() { return nullptr; }
  static void Release(Handle handle) { CloseHandle(handle); }
};
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;

// A window, destroyed with DestroyWindow unless it has gone already.
struct WindowTraits {
  using Handle = HWND;
  static Handle None() { return nullptr; }
  static void Release(Handle handle) { DestroyWindow(handle); }
};
using UniqueWindow = UniqueHandle<WindowTraits>;

// A library loaded with LoadLibrary, freed with FreeLibrary.
struct ModuleTraits {
  using Handle = HMODULE;
  static Handle None() { return nullptr; }
  static void Release(Handle handle) { FreeLibrary(handle); }
};
using UniqueModule = UniqueHandle<ModuleTraits>;

// A window's drawing context from GetDC, given back with ReleaseDC.
class WindowDC {
 public:
  explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }

  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// The drawing context of a WM_PAINT, from BeginPaint, ended with EndPaint.
class PaintDC {
 public:
  explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  ~PaintDC() { EndPaint(window_, &paint_); }

  HDC get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// A drawing context of its own (CreateCompatibleDC), deleted with DeleteDC.
struct MemoryDcTraits {
  using Handle = HDC;
  static Handle None() { return nullptr; }
  static void Release(Handle handle) { DeleteDC(handle); }
};
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;

// A bitmap, font, brush or other GDI object, deleted with DeleteObject. It must not be
// selected into a drawing context by then.
template <typename GdiHandle>
struct GdiObjectTraits {
  using Handle = GdiHandle;
  static Handle None() { return nullptr; }
  static void Release(Handle handle) { DeleteObject(handle); }
};
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;

// Selects an object into a drawing context for one scope and then puts back the one it
// replaced.
class ScopedSelection {
 public:
  ScopedSelection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ScopedSelection(const ScopedSelection&) = delete;
  ScopedSelection& operator=(const ScopedSelection&) = delete;
  ~ScopedSelection() { SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace orvane::platform::win32
