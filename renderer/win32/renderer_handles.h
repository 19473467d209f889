#pragma once

#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace orvane::renderer::win32 {

using platform::win32::UniqueHandle;

struct WindowTraits {
  using Handle = HWND;
  static Handle None() { return nullptr; }
  static void Release(Handle handle) { DestroyWindow(handle); }
};
using UniqueWindow = UniqueHandle<WindowTraits>;

struct ModuleTraits {
  using Handle = HMODULE;
  static Handle None() { return nullptr; }
  static void Release(Handle handle) { FreeLibrary(handle); }
};
using UniqueModule = UniqueHandle<ModuleTraits>;

struct MemoryDcTraits {
  using Handle = HDC;
  static Handle None() { return nullptr; }
  static void Release(Handle handle) { DeleteDC(handle); }
};
using UniqueMemoryDc = UniqueHandle<MemoryDcTraits>;

template <typename GdiObject>
struct GdiObjectTraits {
  using Handle = GdiObject;
  static Handle None() { return nullptr; }
  static void Release(Handle handle) { DeleteObject(handle); }
};
using UniqueBitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;
using UniqueFont = UniqueHandle<GdiObjectTraits<HFONT>>;

// Selects an object into a drawing context for one scope and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (previous_) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace orvane::renderer::win32
