#include "startup/system_utils.h"

namespace orvane::startup {
namespace {

constexpr int kIdAniCaption = 3;
constexpr std::uint32_t kSpiScreenSaverRunning = 97;

platform::Rect PointRect(const ZoomOrigin& origin) {
  return {origin.x, origin.y, origin.x, origin.y};
}

}  // namespace

bool FileExists(platform::FileServices& files, std::wstring path) {
  if (!path.empty() && path.back() == L'\\') path.pop_back();
  return files.CanOpenForReading(path);
}

void ZoomOpen(platform::WindowServices& windows, const ZoomOrigin& origin,
              platform::WindowHandle window) {
  windows.DrawAnimatedRects(window, kIdAniCaption, PointRect(origin), windows.GetWindowRect(window));
}

void ZoomClose(platform::WindowServices& windows, const ZoomOrigin& origin,
               platform::WindowHandle window) {
  windows.DrawAnimatedRects(window, kIdAniCaption, windows.GetWindowRect(window), PointRect(origin));
}

void SetScreenSaverRunningFlag(platform::WindowServices& windows, std::int16_t clear) {
  const auto running = static_cast<std::int32_t>(static_cast<std::int16_t>(~clear));
  windows.SetSystemParameter(kSpiScreenSaverRunning, static_cast<std::uint32_t>(running));
}

}  // namespace orvane::startup
