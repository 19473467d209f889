#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/win32/ansi_text.h"
#include "platform/win32/win32_platform.h"

namespace orvane::platform::win32 {
namespace {

// The buffer as the system gets it: its current content in the ANSI code page, NUL-padded.
std::vector<char> AnsiBuffer(const ReplyBuffer& buffer) {
  std::vector<char> bytes(buffer.length, '\0');
  const std::string content = ToAnsi(buffer.text);
  std::memcpy(bytes.data(), content.data(), std::min(content.size(), bytes.size()));
  return bytes;
}

}  // namespace

std::int32_t Win32MultimediaServices::SendMciString(const std::wstring& command,
                                                    ReplyBuffer* reply) {
  if (!reply) return static_cast<std::int32_t>(mciSendStringA(ToAnsi(command).c_str(), nullptr, 0, nullptr));
  std::vector<char> bytes = AnsiBuffer(*reply);
  const MCIERROR code = mciSendStringA(ToAnsi(command).c_str(), bytes.data(),
                                       static_cast<UINT>(bytes.size()), nullptr);
  reply->text = FromAnsiBuffer(bytes.data(), bytes.size());
  return static_cast<std::int32_t>(code);
}

bool Win32MultimediaServices::GetMciErrorText(std::int32_t code, ReplyBuffer& description) {
  std::vector<char> bytes = AnsiBuffer(description);
  const BOOL found = mciGetErrorStringA(static_cast<MCIERROR>(code), bytes.data(),
                                        static_cast<UINT>(bytes.size()));
  description.text = FromAnsiBuffer(bytes.data(), bytes.size());
  return found != FALSE;
}

void Win32MultimediaServices::PlayWaveSound(const std::optional<std::wstring>& name,
                                            std::uint32_t flags) {
  const std::string ansiName = name ? ToAnsi(*name) : std::string();
  PlaySoundA(name ? ansiName.c_str() : nullptr, nullptr, flags);
}

std::uint32_t Win32MultimediaServices::WaveOutDeviceCount() { return waveOutGetNumDevs(); }

}  // namespace orvane::platform::win32
