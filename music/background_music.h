#pragma once

#include "music/cd_audio_player.h"
#include "music/mci_command_layer.h"
#include "music/music_file_player.h"

namespace orvane::music {

// The background-music module as one object: its command layer and its two players, which
// share the multimedia services and the settings.
struct BackgroundMusic {
  BackgroundMusic(platform::MultimediaServices& multimedia, const settings::Settings& settings)
      : mci(multimedia), file(multimedia, settings), cd(multimedia, mci, settings) {}

  MciCommandLayer mci;
  MusicFilePlayer file;
  CdAudioPlayer cd;
};

}  // namespace orvane::music
