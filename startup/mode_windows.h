#pragma once

#include <cstdint>
#include <memory>

#include "platform/types.h"
#include "saver/saver_mode.h"

namespace orvane::startup {

// The one window each mode opens.
class ModeWindows {
 public:
  virtual ~ModeWindows() = default;

  // Puts the still preview inside the host's pane, sized to it (in pixels), and shows it.
  virtual void ShowPreview(platform::WindowHandle pane, std::int32_t width, std::int32_t height) = 0;
  // Shows the settings dialog modally; returns when it has closed.
  virtual void ShowSettingsDialog() = 0;
  // Loads the full-screen saver window, which runs the rest of the saver by itself and gives
  // back what saver mode changed in the system (empty without a mode) when it closes.
  virtual void LoadSaverWindow(std::unique_ptr<saver::SaverModeSystemState> saverMode) = 0;
};

}  // namespace orvane::startup
