#pragma once

#include "music/mci_command_layer.h"
#include "platform/multimedia_services.h"
#include "settings/settings.h"

namespace orvane::music {

// Plays the chosen music file over and over: an MP3 through the MCI MPEG-video device under
// the alias MP3Play, restarted whenever it is found not playing; a WAV looped by the system.
class MusicFilePlayer {
 public:
  MusicFilePlayer(platform::MultimediaServices& multimedia, const settings::Settings& settings)
      : multimedia_(multimedia), settings_(settings) {}

  void OpenAndPlayMp3();
  bool IsMp3Playing();
  // Run every second while an MP3 plays.
  void RestartMp3IfEnded();
  void CloseMp3();

  void PlayWavLoop();
  void StopWav();

 private:
  void Send(const std::wstring& command) { multimedia_.SendMciString(command, nullptr); }

  platform::MultimediaServices& multimedia_;
  const settings::Settings& settings_;
  platform::ReplyBuffer mp3ModeReply_{30, L""};
};

}  // namespace orvane::music
