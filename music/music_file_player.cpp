#include "music/music_file_player.h"

namespace orvane::music {
namespace {

constexpr std::uint32_t kSndAsync = 0x0001;
constexpr std::uint32_t kSndLoop = 0x0008;

}  // namespace

void MusicFilePlayer::OpenAndPlayMp3() {
  // The quotes let the path hold blanks.
  const std::wstring open = L"open \"" + settings_.bgmFile + L"\" type MPEGVideo Alias MP3Play";
  if (multimedia_.SendMciString(open, nullptr) != 0) return;
  Send(L"play MP3Play");
}

bool MusicFilePlayer::IsMp3Playing() {
  // A failed query leaves the last reply in the buffer, and the answer follows from it.
  multimedia_.SendMciString(L"status MP3Play mode", &mp3ModeReply_);
  return mp3ModeReply_.text.compare(0, 7, L"playing") == 0;
}

void MusicFilePlayer::RestartMp3IfEnded() {
  if (IsMp3Playing()) return;
  Send(L"stop MP3Play");
  Send(L"play MP3Play from 0");
}

void MusicFilePlayer::CloseMp3() {
  Send(L"stop MP3Play");
  Send(L"close MP3Play");
}

void MusicFilePlayer::PlayWavLoop() {
  if (multimedia_.WaveOutDeviceCount() == 0) return;
  // Without SND_FILENAME the name may also be a registered sound alias, which is looked up first.
  multimedia_.PlayWaveSound(settings_.bgmFile, kSndAsync | kSndLoop);
}

void MusicFilePlayer::StopWav() { multimedia_.PlayWaveSound(std::nullopt, 0); }

}  // namespace orvane::music
