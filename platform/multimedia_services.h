#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace orvane::platform {

// A fixed-length text buffer handed to the system to fill, such as an MCI reply buffer. It
// keeps its content between calls: the system overwrites it only when it writes a reply.
// `text` is the buffer's content up to its first NUL; `length` is the length passed to the
// system.
struct ReplyBuffer {
  std::size_t length = 0;
  std::wstring text;
};

// The multimedia services of winmm: MCI command strings and wave sound.
class MultimediaServices {
 public:
  virtual ~MultimediaServices() = default;

  // mciSendStringW with no callback window; with no reply buffer, the reply length is 0.
  virtual std::int32_t SendMciString(const std::wstring& command, ReplyBuffer* reply) = 0;
  // mciGetErrorStringA into `description`; false when the system has no text for `code`.
  virtual bool GetMciErrorText(std::int32_t code, ReplyBuffer& description) = 0;
  // PlaySoundW(name, module 0, flags); no name stops the sound the process plays.
  virtual void PlayWaveSound(const std::optional<std::wstring>& name, std::uint32_t flags) = 0;
  // waveOutGetNumDevs.
  virtual std::uint32_t WaveOutDeviceCount() = 0;
};

}  // namespace orvane::platform
