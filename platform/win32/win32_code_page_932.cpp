#include <windows.h>

#include "platform/win32/win32_platform.h"

namespace orvane::platform::win32 {
namespace {

constexpr UINT kCodePage932 = 932;

}  // namespace

std::optional<std::string> Win32CodePage932::Encode(std::wstring_view text) {
  if (text.empty()) return std::string();
  const int length = static_cast<int>(text.size());
  // No best fit: a character the code page lacks must not turn into a look-alike ("é" into "e").
  BOOL defaultUsed = FALSE;
  const int size = WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, text.data(), length,
                                       nullptr, 0, nullptr, &defaultUsed);
  if (size <= 0 || defaultUsed) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(kCodePage932, WC_NO_BEST_FIT_CHARS, text.data(), length, bytes.data(), size,
                      nullptr, nullptr);
  return bytes;
}

std::wstring Win32CodePage932::Decode(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(kCodePage932, 0, bytes.data(), length, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(kCodePage932, 0, bytes.data(), length, text.data(), size);
  return text;
}

}  // namespace orvane::platform::win32
