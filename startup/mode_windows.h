#pragma once

#include <cstdint>

#include "platform/types.h"

namespace orvane::startup {

// The one window each mode opens.
class ModeWindows {
 public:
  virtual ~ModeWindows() = default;

  // Puts the still preview inside the host's pane, sized to it (in twips), and shows it.
  virtual void ShowPreview(platform::WindowHandle pane, std::int16_t widthTwips,
                           std::int16_t heightTwips) = 0;
  // Shows the settings dialog modally; returns when it has closed.
  virtual void ShowSettingsDialog() = 0;
  // Loads the full-screen saver window, which runs the rest of the saver by itself.
  virtual void LoadSaverWindow() = 0;
};

}  // namespace orvane::startup
