// Plays the background music the way the saver window does, so the end-to-end tests can
// record and check what is heard:
//   music_host wav FILE SECONDS     loops the wave file, stops it after SECONDS
//   music_host mp3 FILE SECONDS     plays the MP3 with its one-second watch, then closes it
//   music_host cd TRACK SECONDS     plays the audio CD with its 200 ms watch, then closes it
// It prints what it did, one line per step.
#include <windows.h>

#include <string>

#include "music/cd_audio_player.h"
#include "music/mci_command_layer.h"
#include "music/music_file_player.h"
#include "platform/win32/win32_platform.h"
#include "utf8_output.h"

namespace {

// Runs the message loop for `milliseconds`, calling `onTick` on every tick of a timer of
// `interval` milliseconds (none when 0) until it returns false.
template <typename Tick>
void RunFor(DWORD milliseconds, UINT interval, Tick onTick) {
  const UINT_PTR end = SetTimer(nullptr, 0, milliseconds, nullptr);
  UINT_PTR watch = interval ? SetTimer(nullptr, 0, interval, nullptr) : 0;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (message.message != WM_TIMER) continue;
    if (message.wParam == end) break;
    if (watch && message.wParam == watch && !onTick()) {
      KillTimer(nullptr, watch);
      watch = 0;
    }
  }
  KillTimer(nullptr, end);
  if (watch) KillTimer(nullptr, watch);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) {
    PrintUtf8(L"usage: music_host wav|mp3 FILE SECONDS | cd TRACK SECONDS\n");
    return 2;
  }
  const std::wstring kind = argv[1];
  const DWORD milliseconds = static_cast<DWORD>(_wtof(argv[3]) * 1000);
  orvane::platform::win32::Win32Platform platform;
  auto& multimedia = platform.services().multimedia;
  orvane::settings::Settings settings;
  orvane::music::MciCommandLayer mci(multimedia);
  orvane::music::MusicFilePlayer filePlayer(multimedia, settings);
  orvane::music::CdAudioPlayer cdPlayer(multimedia, mci, settings);

  if (kind == L"wav") {
    settings.bgmFile = argv[2];
    PrintUtf8(L"wave devices " + std::to_wstring(multimedia.WaveOutDeviceCount()) + L"\n");
    filePlayer.PlayWavLoop();
    RunFor(milliseconds, 0, [] { return true; });
    filePlayer.StopWav();
    PrintUtf8(L"stopped\n");
  } else if (kind == L"mp3") {
    settings.bgmFile = argv[2];
    filePlayer.OpenAndPlayMp3();
    RunFor(milliseconds, 1000, [&] {
      filePlayer.RestartMp3IfEnded();
      return true;
    });
    filePlayer.CloseMp3();
    PrintUtf8(L"closed\n");
  } else if (kind == L"cd") {
    settings.bgmRepeat = static_cast<std::int16_t>(_wtoi(argv[2]));
    cdPlayer.OpenCdAudio();
    int polls = 0;
    bool watching = true;
    RunFor(milliseconds, 200, [&] {
      cdPlayer.PollCdAudio();
      ++polls;
      watching = cdPlayer.CdUsable();
      return watching;
    });
    PrintUtf8(L"polls " + std::to_wstring(polls) + L"\n");
    if (watching) {
      cdPlayer.CloseCdAudio();
      PrintUtf8(L"closed\n");
    }
  } else {
    return 2;
  }
  return 0;
}
