#include "saver/saver_mode.h"

namespace orvane::saver {
namespace {

constexpr std::uint32_t kSpiScreenSaverRunning = 97;

}  // namespace

void SetScreenSaverRunningFlag(platform::WindowServices& windows, std::int16_t clear) {
  const auto running = static_cast<std::int32_t>(static_cast<std::int16_t>(~clear));
  windows.SetSystemParameter(kSpiScreenSaverRunning, static_cast<std::uint32_t>(running));
}

}  // namespace orvane::saver
