#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <vector>

#include "platform/win32/system_function.h"
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

// The multimedia DLL is loaded when music first plays, not with the program: under Wine it brings
// in COM and the audio codecs, which would delay every start by about 10 ms.
template <typename Function>
Function Multimedia(const char* name) {
  return SystemFunction<Function>(L"winmm.dll", name);
}

}  // namespace

std::int32_t Win32MultimediaServices::SendMciString(const std::wstring& command,
                                                    ReplyBuffer* reply) {
  static const auto send = Multimedia<decltype(&mciSendStringW)>("mciSendStringW");
  if (!send) return MCIERR_CANNOT_LOAD_DRIVER;
  if (!reply) return static_cast<std::int32_t>(send(command.c_str(), nullptr, 0, nullptr));
  std::vector<wchar_t> buffer = SystemBuffer(*reply);
  const MCIERROR code =
      send(command.c_str(), buffer.data(), static_cast<UINT>(buffer.size()), nullptr);
  reply->text = TextOf(buffer);
  return static_cast<std::int32_t>(code);
}

bool Win32MultimediaServices::GetMciErrorText(std::int32_t code, ReplyBuffer& description) {
  static const auto describe = Multimedia<decltype(&mciGetErrorStringW)>("mciGetErrorStringW");
  if (!describe) return false;
  std::vector<wchar_t> buffer = SystemBuffer(description);
  const BOOL found =
      describe(static_cast<MCIERROR>(code), buffer.data(), static_cast<UINT>(buffer.size()));
  description.text = TextOf(buffer);
  return found != FALSE;
}

void Win32MultimediaServices::PlayWaveSound(const std::optional<std::wstring>& name,
                                            std::uint32_t flags) {
  static const auto play = Multimedia<decltype(&PlaySoundW)>("PlaySoundW");
  if (play) play(name ? name->c_str() : nullptr, nullptr, flags);
}

std::uint32_t Win32MultimediaServices::WaveOutDeviceCount() {
  static const auto count = Multimedia<decltype(&waveOutGetNumDevs)>("waveOutGetNumDevs");
  return count ? count() : 0;
}

}  // namespace orvane::platform::win32
