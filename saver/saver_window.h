#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "music/background_music.h"
#include "platform/form_services.h"
#include "platform/services.h"
#include "saver/saver_mode.h"
#include "saver/staging.h"
#include "saver/split_effect.h"
#include "settings/settings.h"

namespace orvane::saver {

// The saver window over every monitor: it shows the desktop picture, plays the music, tears the
// picture apart on each monitor, starts the renderer and hides, then closes once the
// renderer's window has come and gone, which ends saver mode.
class SaverWindow final : public platform::FormHandlers {
 public:
  // Timers of the window, with their intervals in milliseconds.
  enum Timer : int { kMp3Watch = 1, kCdWatch = 2, kStartEffect = 3, kRendererWatch = 4 };
  static constexpr std::uint32_t kMp3WatchMs = 1000;
  static constexpr std::uint32_t kCdWatchMs = 200;
  static constexpr std::uint32_t kStartEffectMs = 1;
  static constexpr std::uint32_t kRendererWatchMs = 500;
  // How many renderer-watch ticks the saver waits for the renderer's window to appear.
  static constexpr int kRendererWindowWaitTicks = 60;

  // `saverMode`: what saver mode changed in the system, given back at the close; empty when
  // the program was started without a mode.
  SaverWindow(platform::Services& services, const settings::Settings& settings,
              std::unique_ptr<SaverModeSystemState> saverMode, RandomDraw draw);

  // A window still open when it goes (as the program unwinds after an exception) closes the run
  // as any close does: music stopped, cursor back, staged files removed.
  ~SaverWindow();

  // Creates the window and runs its load handler.
  void Load();

  void OnTimer(int timerId) override;
  void OnUnload() override;

 private:
  void OnLoad();
  void OnMp3WatchTimer();
  void OnCdWatchTimer();
  void OnStartEffectTimer();
  void OnRendererWatchTimer();
  void StartMusic();
  void StopMusic();
  void EndRendererNotYetShown();

  platform::Services& services_;
  const settings::Settings& settings_;
  std::unique_ptr<SaverModeSystemState> saverMode_;
  RandomDraw draw_;
  music::BackgroundMusic music_;
  std::unique_ptr<platform::FormWindow> form_;
  // Where the monitors lie on the window, in its pixels.
  std::vector<platform::Rect> monitors_;
  StagedFiles staged_;
  std::unique_ptr<platform::StartedProgram> renderer_;
  bool waitingForRenderer_ = false;
  int ticksWaitedForRenderer_ = 0;
};

}  // namespace orvane::saver
