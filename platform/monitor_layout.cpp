#include "platform/monitor_layout.h"

#include <algorithm>

namespace orvane::platform {

std::vector<Rect> MonitorsOnWindow(const std::vector<Monitor>& monitors, const Rect& desk,
                                   std::int32_t width, std::int32_t height) {
  std::vector<Rect> areas;
  for (const Monitor& monitor : monitors) {
    const Rect area{std::max(monitor.area.left - desk.left, 0), std::max(monitor.area.top - desk.top, 0),
                    std::min(monitor.area.right - desk.left, width),
                    std::min(monitor.area.bottom - desk.top, height)};
    const bool empty = area.left >= area.right || area.top >= area.bottom;
    const bool listed = std::any_of(areas.begin(), areas.end(), [&](const Rect& other) {
      return other.left == area.left && other.top == area.top && other.right == area.right &&
             other.bottom == area.bottom;
    });
    if (!empty && !listed) areas.push_back(area);
  }
  if (areas.empty()) areas.push_back({0, 0, width, height});
  return areas;
}

bool MonitorsFillWindow(const std::vector<Rect>& monitors, std::int32_t width, std::int32_t height) {
  std::int64_t covered = 0;
  for (const Rect& m : monitors) covered += std::int64_t{m.right - m.left} * (m.bottom - m.top);
  return covered == std::int64_t{width} * height;
}

}  // namespace orvane::platform
