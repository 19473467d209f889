#include "music/cd_audio_player.h"

#include <cwctype>

#include "settings/number_text.h"

namespace orvane::music {
namespace {

// A failed query answers "Error:" and its code; any reply holding "ERR", in any case, is
// taken for a failure.
bool IsErrorReply(std::wstring reply) {
  for (wchar_t& c : reply) c = static_cast<wchar_t>(std::towupper(c));
  return reply.find(L"ERR") != std::wstring::npos;
}

}  // namespace

void CdAudioPlayer::OpenCdAudio() {
  Send(L"open cdaudio");
  Send(L"set cdaudio time format tmsf");
}

void CdAudioPlayer::PollCdAudio() { cdUsable_ = KeepDiscPlaying(); }

bool CdAudioPlayer::KeepDiscPlaying() {
  const std::wstring currentTrack = mci_.QueryMci(L"status cdaudio current track");
  if (IsErrorReply(currentTrack) || IsErrorReply(mci_.QueryMci(L"status cdaudio number of tracks"))) {
    return false;
  }
  // A failed mode query leaves the previous reply in the buffer, and the decision below
  // is taken on it.
  multimedia_.SendMciString(L"status cdaudio mode", &cdModeReply_);

  const std::int16_t repeatTrack = settings_.bgmRepeat;
  if (repeatTrack == 0) {
    if (ModeIsStopped()) mci_.PlayMciDevice(L"cdaudio", L"", L"");
    return true;
  }
  const auto playingTrack = settings::NumericLiteralValue(currentTrack);
  if (!playingTrack) return false;
  if (!ModeIsStopped() && *playingTrack == repeatTrack) return true;
  const std::wstring trackStart =
      mci_.QueryMci(L"status cdaudio position track " + std::to_wstring(repeatTrack));
  // A track whose start cannot be read is not on the disc, which is then of no more use than
  // a missing one.
  if (IsErrorReply(trackStart)) return false;
  mci_.PlayMciDevice(L"cdaudio", trackStart, L"");
  return true;
}

void CdAudioPlayer::CloseCdAudio() {
  Send(L"stop cdaudio");
  Send(L"close cdaudio");
}

}  // namespace orvane::music
