#include "platform/win32/monitors.h"

#include <windows.h>

#include <algorithm>

namespace orvane::platform::win32 {
namespace {

Rect FromRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

struct MonitorDetails {
  Monitor monitor;
  bool primary = false;
};

MonitorDetails DetailsOf(HMONITOR handle) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(handle, &info)) return {};
  return {{FromRect(info.rcMonitor), FromRect(info.rcWork)}, (info.dwFlags & MONITORINFOF_PRIMARY) != 0};
}

BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, LPRECT, LPARAM list) {
  reinterpret_cast<std::vector<MonitorDetails>*>(list)->push_back(DetailsOf(handle));
  return TRUE;
}

}  // namespace

Rect VirtualScreenRect() {
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

std::vector<Monitor> DesktopMonitors() {
  std::vector<MonitorDetails> found;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&found));
  std::stable_partition(found.begin(), found.end(), [](const MonitorDetails& d) { return d.primary; });
  std::vector<Monitor> monitors;
  for (const MonitorDetails& details : found) monitors.push_back(details.monitor);
  return monitors;
}

Monitor MonitorNearest(const Point& point) {
  return DetailsOf(MonitorFromPoint({point.x, point.y}, MONITOR_DEFAULTTONEAREST)).monitor;
}

}  // namespace orvane::platform::win32
