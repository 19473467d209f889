#include "fakes/fake_forms.h"

#include <algorithm>

namespace orvane::testing {

void FakeFormWindow::Unload() {
  if (!loaded_) return;
  calls_.push_back(L"Unload");
  handlers_.OnQueryUnload();
  handlers_.OnUnload();
  timers_.clear();
  loaded_ = false;
}

std::unique_ptr<platform::FormWindow> FakeFormServices::CreateForm(const std::wstring& title,
                                                                   platform::FormHandlers& handlers,
                                                                   const platform::FormStyle& style) {
  // A dialog's outer rectangle is larger than its client area by its frame and title bar.
  const bool dialog = style.border == platform::FormBorder::kFixedDialog;
  calls_.push_back(dialog ? Call(L"CreateForm", title, L"dialog", style.clientWidth, style.clientHeight)
                          : Call(L"CreateForm", title));
  auto created = std::make_unique<FakeFormWindow>(handlers, calls_, style, dialog ? platform::Point{6, 26} : platform::Point{});
  form = created.get();
  return created;
}

platform::Rect FakeFormServices::VirtualScreen() {
  platform::Rect all = monitors.front().area;
  for (const platform::Monitor& monitor : monitors) {
    all = {std::min(all.left, monitor.area.left), std::min(all.top, monitor.area.top),
           std::max(all.right, monitor.area.right), std::max(all.bottom, monitor.area.bottom)};
  }
  return all;
}

platform::Monitor FakeFormServices::MonitorAt(const platform::Point& point) {
  for (const platform::Monitor& monitor : monitors) {
    const platform::Rect& area = monitor.area;
    if (point.x >= area.left && point.x < area.right && point.y >= area.top && point.y < area.bottom) {
      return monitor;
    }
  }
  return monitors.front();
}

}  // namespace orvane::testing
