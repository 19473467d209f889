#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <vector>

#include "platform/win32/win32_platform.h"

namespace orvane::platform::win32 {
namespace {

// The buffer as the system gets it: its current content, NUL-padded.
std::vector<wchar_t> SystemBuffer(const ReplyBuffer& buffer) {
  std::vector<wchar_t> characters(buffer.length, L'\0');
  std::copy_n(buffer.text.begin(), std::min(buffer.text.size(), characters.size()), characters.begin());
  return characters;
}

// A reply read up to its first NUL.
std::wstring TextOf(const std::vector<wchar_t>& buffer) {
  return std::wstring(buffer.begin(), std::find(buffer.begin(), buffer.end(), L'\0'));
}

}  // namespace

std::int32_t Win32MultimediaServices::SendMciString(const std::wstring& command,
                                                    ReplyBuffer* reply) {
  if (!reply) return static_cast<std::int32_t>(mciSendStringW(command.c_str(), nullptr, 0, nullptr));
  std::vector<wchar_t> buffer = SystemBuffer(*reply);
  const MCIERROR code = mciSendStringW(command.c_str(), buffer.data(),
                                       static_cast<UINT>(buffer.size()), nullptr);
  reply->text = TextOf(buffer);
  return static_cast<std::int32_t>(code);
}

bool Win32MultimediaServices::GetMciErrorText(std::int32_t code, ReplyBuffer& description) {
  std::vector<wchar_t> buffer = SystemBuffer(description);
  const BOOL found = mciGetErrorStringW(static_cast<MCIERROR>(code), buffer.data(),
                                        static_cast<UINT>(buffer.size()));
  description.text = TextOf(buffer);
  return found != FALSE;
}

void Win32MultimediaServices::PlayWaveSound(const std::optional<std::wstring>& name,
                                            std::uint32_t flags) {
  PlaySoundW(name ? name->c_str() : nullptr, nullptr, flags);
}

std::uint32_t Win32MultimediaServices::WaveOutDeviceCount() { return waveOutGetNumDevs(); }

}  // namespace orvane::platform::win32
