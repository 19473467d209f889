#include "music/cd_audio_player.h"

#include <cwctype>

#include "settings/number_text.h"

namespace orvane::music {
namespace {

// Every failure text of a query starts with "Error:".
bool IsErrorReply(std::wstring reply) {
  for (wchar_t& c : reply) c = static_cast<wchar_t>(std::towupper(c));
  return reply.find(L"ERR") != std::wstring::npos;
}

}  // namespace

void CdAudioPlayer::OpenCdAudio() {
  Send(L"open cdaudio");
  Send(L"set cdaudio time format tmsf");
}

void CdAudioPlayer::PollCdAudio() {
  cdUsable_ = true;
  const std::wstring currentTrack = mci_.QueryMci(L"status cdaudio current track");
  if (IsErrorReply(currentTrack) || IsErrorReply(mci_.QueryMci(L"status cdaudio number of tracks"))) {
    cdUsable_ = false;
    return;
  }
  // A failed mode query leaves the previous reply in the buffer, and the decision below
  // is taken on it.
  multimedia_.SendMciString(L"status cdaudio mode", &cdModeReply_);

  const std::int16_t repeatTrack = settings_.bgmRepeat;
  if (repeatTrack == 0) {
    if (ModeIsStopped()) mci_.PlayMciDevice(L"cdaudio", L"", L"");
    return;
  }
  const auto playingTrack = settings::NumericLiteralValue(currentTrack);
  if (!playingTrack) {
    cdUsable_ = false;
    return;
  }
  if (ModeIsStopped() || *playingTrack != repeatTrack) {
    const std::wstring trackStart =
        mci_.QueryMci(L"status cdaudio position track " + std::to_wstring(repeatTrack));
    mci_.PlayMciDevice(L"cdaudio", trackStart, L"");
  }
}

void CdAudioPlayer::CloseCdAudio() {
  Send(L"stop cdaudio");
  Send(L"close cdaudio");
}

}  // namespace orvane::music
