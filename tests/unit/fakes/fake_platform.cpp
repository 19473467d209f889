#include "fakes/fake_platform.h"

#include <algorithm>
#include <cwchar>

namespace orvane::testing {
namespace {

std::wstring Text(const platform::Rect& rect) {
  return std::to_wstring(rect.left) + L" " + std::to_wstring(rect.top) + L" " +
         std::to_wstring(rect.right) + L" " + std::to_wstring(rect.bottom);
}

}  // namespace

platform::WindowHandle FakePlatform::FindTopLevelWindow(const std::wstring& title) {
  calls.push_back(L"FindTopLevelWindow(" + title + L")");
  return windowTitles.count(title) ? 0x1234 : 0;
}

bool FakePlatform::IsWindow(platform::WindowHandle window) {
  calls.push_back(L"IsWindow(" + std::to_wstring(window) + L")");
  return windows.count(window) > 0;
}

platform::Rect FakePlatform::GetWindowRect(platform::WindowHandle window) {
  calls.push_back(L"GetWindowRect(" + std::to_wstring(window) + L")");
  const auto found = windowRects.find(window);
  return found == windowRects.end() ? platform::Rect{} : found->second;
}

std::int32_t FakePlatform::GetWindowStyle(platform::WindowHandle window) {
  calls.push_back(L"GetWindowStyle(" + std::to_wstring(window) + L")");
  const auto found = windowStyles.find(window);
  return found == windowStyles.end() ? 0 : found->second;
}

void FakePlatform::SetWindowStyle(platform::WindowHandle window, std::int32_t style) {
  wchar_t hex[16];
  std::swprintf(hex, 16, L"%08X", static_cast<std::uint32_t>(style));
  calls.push_back(L"SetWindowStyle(" + std::to_wstring(window) + L", " + hex + L")");
  windowStyles[window] = style;
}

void FakePlatform::SetParent(platform::WindowHandle child, platform::WindowHandle parent) {
  calls.push_back(L"SetParent(" + std::to_wstring(child) + L", " + std::to_wstring(parent) + L")");
}

void FakePlatform::SetWindowTitle(platform::WindowHandle window, const std::wstring& text) {
  calls.push_back(L"SetWindowTitle(" + std::to_wstring(window) + L", " + text + L")");
}

std::int32_t FakePlatform::ShowCursor(std::int32_t show) {
  calls.push_back(L"ShowCursor(" + std::to_wstring(show) + L")");
  return cursorCountAfterCall;
}

std::optional<platform::Point> FakePlatform::GetCursorPos() {
  calls.push_back(L"GetCursorPos()");
  return cursorPosition;
}

platform::WindowHandle FakePlatform::WindowFromPoint(const platform::Point& point) {
  calls.push_back(L"WindowFromPoint(" + std::to_wstring(point.x) + L", " +
                  std::to_wstring(point.y) + L")");
  return windowUnderCursor;
}

void FakePlatform::DrawAnimatedRects(platform::WindowHandle window, int animation,
                                     const platform::Rect& from, const platform::Rect& to) {
  calls.push_back(L"DrawAnimatedRects(" + std::to_wstring(window) + L", " +
                  std::to_wstring(animation) + L", " + Text(from) + L", " + Text(to) + L")");
}

void FakePlatform::SetSystemParameter(std::uint32_t action, std::uint32_t uiParam) {
  calls.push_back(L"SetSystemParameter(" + std::to_wstring(action) + L", " +
                  std::to_wstring(uiParam) + L")");
}

void FakePlatform::ShowOkMessage(const std::wstring& text, const std::wstring& caption,
                                 platform::WindowHandle owner) {
  calls.push_back(L"ShowOkMessage(" + text + L" | " + caption + L" | " + std::to_wstring(owner) +
                  L")");
}

bool FakePlatform::CanOpenForReading(const std::wstring& path) {
  calls.push_back(L"CanOpenForReading(" + path + L")");
  return readableFiles.count(path) > 0;
}

bool FakePlatform::CreateFolder(const std::wstring& path) {
  calls.push_back(L"CreateFolder(" + path + L")");
  return true;
}

bool FakePlatform::CopyFileReplacing(const std::wstring& source, const std::wstring& target) {
  calls.push_back(L"CopyFileReplacing(" + source + L", " + target + L")");
  if (readableFiles.count(source)) readableFiles.insert(target);
  return readableFiles.count(source) > 0;
}

bool FakePlatform::WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) {
  calls.push_back(L"WriteWholeFile(" + path + L", " + std::to_wstring(bytes.size()) + L" bytes)");
  readableFiles.insert(path);
  return true;
}

bool FakePlatform::RemoveFile(const std::wstring& path) {
  calls.push_back(L"RemoveFile(" + path + L")");
  return readableFiles.erase(path) > 0;
}

namespace {

class FakeStartedProgram : public platform::StartedProgram {
 public:
  FakeStartedProgram(std::shared_ptr<bool> ended, std::vector<std::wstring>& calls)
      : ended_(std::move(ended)), calls_(calls) {}
  bool HasEnded() override { return *ended_; }
  void End() override {
    calls_.push_back(L"EndProgram");
    *ended_ = true;
  }

 private:
  std::shared_ptr<bool> ended_;
  std::vector<std::wstring>& calls_;
};

}  // namespace

std::unique_ptr<platform::StartedProgram> FakePlatform::StartProgram(const std::wstring& programPath,
                                                                     const std::wstring& commandLine,
                                                                     int showMode) {
  calls.push_back(L"StartProgram(" + programPath + L" | " + commandLine + L" | " +
                  std::to_wstring(showMode) + L")");
  if (startProgramFails) return nullptr;
  return std::make_unique<FakeStartedProgram>(startedProgramEnded, calls);
}

void FakePlatform::OpenWithShell(platform::WindowHandle owner, const std::wstring& operation,
                                 const std::wstring& file, const std::wstring& parameters,
                                 const std::wstring& folder, int showCommand) {
  calls.push_back(L"OpenWithShell(" + std::to_wstring(owner) + L", " + operation + L", " + file +
                  L", " + parameters + L", " + folder + L", " + std::to_wstring(showCommand) + L")");
}

std::vector<std::uint8_t> FakePlatform::ResourceData(int resourceId) {
  calls.push_back(L"ResourceData(" + std::to_wstring(resourceId) + L")");
  return resourceBytes;
}

platform::DisplayServices::Time FakePlatform::WaitForRefresh(Time due) {
  calls.push_back(L"WaitForRefresh(" + std::to_wstring(due.count()) + L")");
  if (whileWaitingForRefresh) whileWaitingForRefresh();
  clock = std::max(clock, due);
  return clock;
}

void FakePlatform::SetDpiAware(bool aware) {
  calls.push_back(L"SetDpiAware(" + std::to_wstring(aware) + L")");
}

std::wstring FakePlatform::ReadPrivateProfileValue(const std::wstring& section,
                                                   const std::wstring& key,
                                                   const std::wstring& defaultValue,
                                                   std::size_t bufferSize,
                                                   const std::wstring& fileName) {
  calls.push_back(L"ReadPrivateProfileValue(" + section + L", " + key + L", " + defaultValue +
                  L", " + std::to_wstring(bufferSize) + L", " + fileName + L")");
  const auto found = iniValues.find({section, key});
  const std::wstring value = found == iniValues.end() ? defaultValue : found->second;
  return value.substr(0, bufferSize - 1);
}

bool FakePlatform::WritePrivateProfileValue(const std::wstring& section, const std::wstring& key,
                                            const std::wstring& value,
                                            const std::wstring& fileName) {
  calls.push_back(L"WritePrivateProfileValue(" + section + L", " + key + L", " + value + L", " +
                  fileName + L")");
  if (iniWritesFail) return false;
  iniValues[{section, key}] = value;
  return true;
}

}  // namespace orvane::testing
