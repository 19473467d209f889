#include "fakes/fake_platform.h"

#include <algorithm>
#include <cwchar>

#include <iconv.h>

namespace orvane::testing {
namespace {

// `size` bytes from one encoding to another; nothing when a character has no form in the other.
template <typename Text>
std::optional<Text> Convert(const char* to, const char* from, const void* data, std::size_t size) {
  const iconv_t converter = iconv_open(to, from);
  std::string converted(size * 4 + 4, '\0');
  char* in = const_cast<char*>(static_cast<const char*>(data));
  char* out = converted.data();
  std::size_t inLeft = size, outLeft = converted.size();
  const bool whole = iconv(converter, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(converter);
  if (!whole) return std::nullopt;
  converted.resize(converted.size() - outLeft);
  return Text(reinterpret_cast<const typename Text::value_type*>(converted.data()),
              converted.size() / sizeof(typename Text::value_type));
}

class FakeStartedProgram : public platform::StartedProgram {
 public:
  FakeStartedProgram(bool& ended, std::vector<std::wstring>& calls) : ended_(ended), calls_(calls) {}
  bool HasEnded() override { return ended_; }
  void End() override {
    calls_.push_back(L"EndProgram");
    ended_ = true;
  }

 private:
  bool& ended_;
  std::vector<std::wstring>& calls_;
};

}  // namespace

void FakePlatform::SetWindowStyle(platform::WindowHandle window, std::int32_t style) {
  wchar_t hex[16];
  std::swprintf(hex, 16, L"%08X", static_cast<std::uint32_t>(style));
  Record(L"SetWindowStyle", window, std::wstring(hex));
  windowStyles[window] = style;
}

bool FakePlatform::CopyFileReplacing(const std::wstring& source, const std::wstring& target) {
  Record(L"CopyFileReplacing", source, target);
  if (!readableFiles.count(source)) return false;
  readableFiles.insert(target);
  return true;
}

bool FakePlatform::WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
  Record(L"WriteWholeFile", path, std::to_wstring(bytes.size()) + L" bytes");
  if (writesFail) return false;
  fileContents[path].assign(bytes.begin(), bytes.end());
  readableFiles.insert(path);
  return true;
}

std::optional<std::string> FakePlatform::ReadWholeFile(const std::wstring& path) {
  Record(L"ReadWholeFile", path);
  const auto found = fileContents.find(path);
  return found == fileContents.end() ? std::nullopt : std::optional<std::string>(found->second);
}

std::optional<std::wstring> FakePlatform::ShortPath(const std::wstring& path) {
  Record(L"ShortPath", path);
  const auto found = shortPaths.find(path);
  return found == shortPaths.end() ? path : found->second;
}

std::optional<std::string> FakePlatform::Encode(std::wstring_view text) {
  return Convert<std::string>("CP932", "WCHAR_T", text.data(), text.size() * sizeof(wchar_t));
}

std::wstring FakePlatform::Decode(std::string_view bytes) {
  return Convert<std::wstring>("WCHAR_T", "CP932", bytes.data(), bytes.size()).value_or(L"");
}

std::unique_ptr<platform::StartedProgram> FakePlatform::StartProgram(const std::wstring& programPath,
                                                                     const std::wstring& commandLine,
                                                                     int showMode) {
  Record(L"StartProgram", programPath + L" | " + commandLine + L" | " + std::to_wstring(showMode));
  if (startProgramFails) return nullptr;
  return std::make_unique<FakeStartedProgram>(startedProgramEnded, calls);
}

platform::DisplayServices::Time FakePlatform::WaitForRefresh(Time due) {
  Record(L"WaitForRefresh", due.count());
  clock = std::max(clock, due);
  return clock;
}

}  // namespace orvane::testing
