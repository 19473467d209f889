#include "fakes/fake_platform.h"

#include <algorithm>
#include <cwchar>

namespace orvane::testing {
namespace {

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

std::wstring FakePlatform::ReadPrivateProfileValue(const std::wstring& section,
                                                   const std::wstring& key,
                                                   const std::wstring& defaultValue,
                                                   std::size_t bufferSize,
                                                   const std::wstring& fileName) {
  Record(L"ReadPrivateProfileValue", section, key, defaultValue, bufferSize, fileName);
  const auto found = iniValues.find({section, key});
  return (found == iniValues.end() ? defaultValue : found->second).substr(0, bufferSize - 1);
}

bool FakePlatform::CopyFileReplacing(const std::wstring& source, const std::wstring& target) {
  Record(L"CopyFileReplacing", source, target);
  if (!readableFiles.count(source)) return false;
  readableFiles.insert(target);
  return true;
}

bool FakePlatform::WritePrivateProfileValue(const std::wstring& section, const std::wstring& key,
                                            const std::wstring& value, const std::wstring& fileName) {
  Record(L"WritePrivateProfileValue", section, key, value, fileName);
  if (!iniWritesFail) iniValues[{section, key}] = value;
  return !iniWritesFail;
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
