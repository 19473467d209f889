#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "fakes/fake_forms.h"
#include "fakes/fake_multimedia.h"
#include "platform/services.h"

namespace orvane::testing {

// Stands in for the operating system: answers from what a test puts in its fields and
// records every call, in order, as one line of text.
class FakePlatform : public platform::WindowServices,
                     public platform::FileServices,
                     public platform::ProfileServices,
                     public platform::ProcessServices,
                     public platform::DisplayServices {
 public:
  // What the fake system holds.
  std::set<std::wstring> windowTitles;           // top-level windows, by title
  std::set<platform::WindowHandle> windows;      // the windows that exist, by handle
  std::map<platform::WindowHandle, platform::Rect> windowRects;
  std::map<platform::WindowHandle, std::int32_t> windowStyles;
  std::set<std::wstring> readableFiles;
  bool iniWritesFail = false;
  std::map<std::pair<std::wstring, std::wstring>, std::wstring> iniValues;  // (section, key)
  std::wstring commandLine;
  std::wstring programFolder = L"C:\\Program Files\\3dOrvane";
  std::int32_t cursorCountAfterCall = -1;
  std::optional<platform::Point> cursorPosition;
  platform::WindowHandle windowUnderCursor = 0;  // what WindowFromPoint finds at any point
  int twipsPerPixel = 15;
  // The display's clock, moved on only by waits for a refresh (and by tests), and its refresh.
  Time clock{0};
  Time refreshInterval{16667};
  // Runs while a wait for a refresh lasts, standing in for the messages handled meanwhile.
  std::function<void()> whileWaitingForRefresh;

  std::vector<std::wstring> calls;
  FakeMultimedia multimedia;
  FakeFormServices forms{calls};
  std::vector<std::uint8_t> resourceBytes{'B', 'M'};
  bool startProgramFails = false;
  // Whether the last started program has ended.
  std::shared_ptr<bool> startedProgramEnded = std::make_shared<bool>(false);

  platform::Services services{*this, *this, *this, *this, *this, multimedia, forms};

  platform::WindowHandle FindTopLevelWindow(const std::wstring& title) override;
  bool IsWindow(platform::WindowHandle window) override;
  platform::Rect GetWindowRect(platform::WindowHandle window) override;
  std::int32_t GetWindowStyle(platform::WindowHandle window) override;
  void SetWindowStyle(platform::WindowHandle window, std::int32_t style) override;
  void SetParent(platform::WindowHandle child, platform::WindowHandle parent) override;
  void SetWindowTitle(platform::WindowHandle window, const std::wstring& text) override;
  std::int32_t ShowCursor(std::int32_t show) override;
  std::optional<platform::Point> GetCursorPos() override;
  platform::WindowHandle WindowFromPoint(const platform::Point& point) override;
  void DrawAnimatedRects(platform::WindowHandle window, int animation, const platform::Rect& from,
                         const platform::Rect& to) override;
  void SetSystemParameter(std::uint32_t action, std::uint32_t uiParam) override;
  void ShowOkMessage(const std::wstring& text, const std::wstring& caption,
                     platform::WindowHandle owner) override;

  bool CanOpenForReading(const std::wstring& path) override;
  bool CreateFolder(const std::wstring& path) override;
  bool CopyFileReplacing(const std::wstring& source, const std::wstring& target) override;
  bool WriteWholeFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) override;
  bool RemoveFile(const std::wstring& path) override;

  std::wstring ReadPrivateProfileValue(const std::wstring& section, const std::wstring& key,
                                       const std::wstring& defaultValue, std::size_t bufferSize,
                                       const std::wstring& fileName) override;
  bool WritePrivateProfileValue(const std::wstring& section, const std::wstring& key,
                                const std::wstring& value, const std::wstring& fileName) override;

  std::wstring CommandLine() override { return commandLine; }
  std::wstring ProgramFolder() override { return programFolder; }
  std::unique_ptr<platform::StartedProgram> StartProgram(const std::wstring& programPath,
                                                         const std::wstring& commandLine,
                                                         int showMode) override;
  void OpenWithShell(platform::WindowHandle owner, const std::wstring& operation,
                     const std::wstring& file, const std::wstring& parameters,
                     const std::wstring& folder, int showCommand) override;
  std::vector<std::uint8_t> ResourceData(int resourceId) override;

  int TwipsPerPixelX() override { return twipsPerPixel; }
  int TwipsPerPixelY() override { return twipsPerPixel; }
  Time Now() override { return clock; }
  Time RefreshInterval() override { return refreshInterval; }
  // Recorded as "WaitForRefresh(<due in microseconds>)"; the refresh comes at `due`.
  Time WaitForRefresh(Time due) override;
  void SetDpiAware(bool aware) override;
};

}  // namespace orvane::testing
