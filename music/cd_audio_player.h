#pragma once

#include "music/mci_command_layer.h"
#include "platform/multimedia_services.h"
#include "settings/settings.h"

namespace orvane::music {

// Plays the audio CD in the default drive: the whole disc, started again whenever the drive
// stops, or one track (the repeat setting) jumped back to whenever playback leaves it. A
// watchdog run every 200 ms keeps it going and gives up for good at the first error.
class CdAudioPlayer {
 public:
  CdAudioPlayer(platform::MultimediaServices& multimedia, MciCommandLayer& mci,
                const settings::Settings& settings)
      : multimedia_(multimedia), mci_(mci), settings_(settings) {}

  void OpenCdAudio();
  // One watchdog run.
  void PollCdAudio();
  void CloseCdAudio();

  // False once a watchdog run has found no usable disc; the saver then stops polling.
  bool CdUsable() const { return cdUsable_; }

 private:
  // The watchdog's work; false when the disc is found of no use.
  bool KeepDiscPlaying();
  void Send(const std::wstring& command) { multimedia_.SendMciString(command, nullptr); }
  bool ModeIsStopped() const { return cdModeReply_.text.compare(0, 7, L"stopped") == 0; }

  platform::MultimediaServices& multimedia_;
  MciCommandLayer& mci_;
  const settings::Settings& settings_;
  bool cdUsable_ = false;
  platform::ReplyBuffer cdModeReply_{255, L""};
};

}  // namespace orvane::music
