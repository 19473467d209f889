#pragma once

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "fakes/fake_forms.h"
#include "platform/services.h"

namespace orvane::testing {

// A scripted MCI: a command is answered once by the answer scripted for it (or, with none,
// success with no reply), and every call is recorded as one line of text.
class FakeMultimedia : public platform::MultimediaServices {
 public:
  struct Answer {
    std::int32_t code = 0;
    // What MCI writes into the reply buffer; nothing written when empty.
    std::optional<std::wstring> reply;
  };

  // The answer to the next time `command` is sent, in place of any not used yet.
  void Script(const std::wstring& command, Answer answer) { script_[command] = std::move(answer); }

  Calls calls;
  std::uint32_t waveDevices = 2;

  // Recorded as "mci <command> [<reply buffer length>]".
  std::int32_t SendMciString(const std::wstring& command, platform::ReplyBuffer* reply) override {
    calls.push_back(L"mci " + command + L" [" + std::to_wstring(reply ? reply->length : 0) + L"]");
    Answer answer;
    if (const auto entry = script_.find(command); entry != script_.end()) {
      answer = entry->second;
      script_.erase(entry);
    }
    if (reply && answer.reply) reply->text = answer.reply->substr(0, reply->length - 1);
    return answer.code;
  }
  bool GetMciErrorText(std::int32_t code, platform::ReplyBuffer& description) override {
    calls.push_back(L"error text " + std::to_wstring(code) + L" [" + std::to_wstring(description.length) + L"]");
    description.text = L"The specified device is not open.";
    return true;
  }
  void PlayWaveSound(const std::optional<std::wstring>& name, std::uint32_t flags) override {
    calls.push_back(L"PlaySound(" + name.value_or(L"NULL") + L", " + std::to_wstring(flags) + L")");
  }
  std::uint32_t WaveOutDeviceCount() override { calls.push_back(L"waveOutGetNumDevs"); return waveDevices; }

 private:
  std::map<std::wstring, Answer> script_;
};

// Stands in for the operating system: answers from what a test puts in its fields and
// records every call, in order, as the call list shows it (see Call).
class FakePlatform : public platform::WindowServices,
                     public platform::FileServices,
                     public platform::CodePage932,
                     public platform::ProcessServices,
                     public platform::DisplayServices {
 public:
  // What the fake system holds.
  std::set<std::wstring> windowTitles;           // top-level windows, by title
  std::set<platform::WindowHandle> windows;      // the windows that exist, by handle
  std::map<platform::WindowHandle, platform::Rect> windowRects;
  std::map<platform::WindowHandle, std::int32_t> windowStyles;
  std::set<std::wstring> readableFiles;
  std::map<std::wstring, std::string> fileContents;  // what files hold, by path
  std::set<std::wstring> linkedFolders;           // folders that are links to others, or files
  std::wstring failingCall;  // a file call that fails, by its name as recorded
  std::map<std::wstring, std::wstring> shortPaths;  // where the volume keeps short names
  std::wstring commandLine;
  std::int32_t cursorCountAfterCall = -1;
  std::optional<platform::Point> cursorPosition;
  platform::WindowHandle windowUnderCursor = 0;  // what WindowFromPoint finds at any point
  bool startProgramFails = false;
  bool startedProgramEnded = false;  // set by a test, or by ending it ("EndProgram")

  Calls calls;
  // The calls, in order, that begin with one of `beginnings`.
  Calls CallsBeginningWith(std::initializer_list<std::wstring> beginnings) const {
    Calls found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found), [&](const std::wstring& call) {
      return std::any_of(beginnings.begin(), beginnings.end(),
                         [&](const std::wstring& beginning) { return call.rfind(beginning, 0) == 0; });
    });
    return found;
  }
  FakeMultimedia multimedia;
  FakeFormServices forms{calls};
  platform::Services services{*this, *this, *this, *this, *this, multimedia, forms};

  platform::WindowHandle FindTopLevelWindow(const std::wstring& title) override {
    Record(L"FindTopLevelWindow", title); return windowTitles.count(title) ? 0x1234 : 0;
  }
  bool IsWindow(platform::WindowHandle window) override { Record(L"IsWindow", window); return windows.count(window); }
  platform::Rect GetWindowRect(platform::WindowHandle window) override {
    Record(L"GetWindowRect", window); return windowRects[window];
  }
  std::int32_t GetWindowStyle(platform::WindowHandle window) override {
    Record(L"GetWindowStyle", window); return windowStyles[window];
  }
  void SetWindowStyle(platform::WindowHandle window, std::int32_t style) override {
    Record(L"SetWindowStyle", window, style); windowStyles[window] = style;
  }
  void SetParent(platform::WindowHandle child, platform::WindowHandle parent) override {
    Record(L"SetParent", child, parent);
  }
  void SetWindowTitle(platform::WindowHandle window, const std::wstring& text) override {
    Record(L"SetWindowTitle", window, text);
  }
  std::int32_t ShowCursor(std::int32_t show) override { Record(L"ShowCursor", show); return cursorCountAfterCall; }
  std::optional<platform::Point> GetCursorPos() override { Record(L"GetCursorPos"); return cursorPosition; }
  platform::WindowHandle WindowFromPoint(const platform::Point& point) override {
    Record(L"WindowFromPoint", point.x, point.y); return windowUnderCursor;
  }
  void DrawAnimatedRects(platform::WindowHandle window, int animation, const platform::Rect& from,
                         const platform::Rect& to) override {
    Record(L"DrawAnimatedRects", window, animation, from, to);
  }
  void SetSystemParameter(std::uint32_t action, std::uint32_t uiParam) override {
    Record(L"SetSystemParameter", action, uiParam);
  }
  void ShowOkMessage(const std::wstring& text, const std::wstring& caption,
                     platform::WindowHandle owner) override {
    Record(L"ShowOkMessage", text + L" | " + caption + L" | " + std::to_wstring(owner));
  }

  bool CanOpenForReading(const std::wstring& path) override {
    Record(L"CanOpenForReading", path); return readableFiles.count(path);
  }
  bool CreateFolder(const std::wstring& path) override { Record(L"CreateFolder", path); return true; }
  // Recorded as "HoldFolder(path)", then "WriteHeldFile(path, N bytes)" and "RemoveHeldFile(path)".
  std::unique_ptr<platform::HeldFolder> HoldFolder(const std::wstring& path) override;
  bool WriteNewFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) override {
    Record(L"WriteNewFile", path, std::to_wstring(bytes.size()) + L" bytes");
    if (readableFiles.count(path)) return false;
    readableFiles.insert(path);  // a write that fails may still leave the file
    if (failingCall == L"WriteNewFile") return false;
    fileContents[path].assign(bytes.begin(), bytes.end());
    return true;
  }
  bool MoveFileReplacing(const std::wstring& source, const std::wstring& target) override {
    Record(L"MoveFileReplacing", source, target);
    if (failingCall == L"MoveFileReplacing" || !readableFiles.count(source)) return false;
    fileContents[target] = std::move(fileContents[source]);
    readableFiles.insert(target);
    return Forget(source);
  }
  bool RemoveFile(const std::wstring& path) override { Record(L"RemoveFile", path); return Forget(path); }
  std::optional<std::string> ReadWholeFile(const std::wstring& path) override {
    Record(L"ReadWholeFile", path);
    return fileContents.count(path) ? std::optional(fileContents[path]) : std::nullopt;
  }
  // The short form where the test gave one, else the path as it is.
  std::optional<std::wstring> ShortPath(const std::wstring& path) override {
    Record(L"ShortPath", path);
    return shortPaths.count(path) ? shortPaths[path] : path;
  }

  // Code page 932 as the C library converts it.
  std::optional<std::string> Encode(std::wstring_view text) override;
  std::wstring Decode(std::string_view bytes) override;

  std::wstring CommandLine() override { return commandLine; }
  std::wstring ProgramFolder() override { return L"C:\\Program Files\\3dOrvane"; }
  std::unique_ptr<platform::StartedProgram> StartProgram(const std::wstring& programPath,
                                                         const std::wstring& commandLine,
                                                         int showMode) override;
  void OpenWithShell(platform::WindowHandle owner, const std::wstring& operation,
                     const std::wstring& file, const std::wstring& parameters,
                     const std::wstring& folder, int showCommand) override {
    Record(L"OpenWithShell", owner, operation, file, parameters, folder, showCommand);
  }
  std::vector<std::uint8_t> ResourceData(int resourceId) override {
    Record(L"ResourceData", resourceId); return {'B', 'M'};
  }

  int TwipsPerPixelX() override { return 15; }
  int TwipsPerPixelY() override { return 15; }
  Time Now() override { return clock; }
  Time RefreshInterval() override { return Time{16667}; }
  // Recorded as "WaitForRefresh(<due in microseconds>)"; the refresh comes at `due`.
  Time WaitForRefresh(Time due) override {
    Record(L"WaitForRefresh", due.count());
    return clock = std::max(clock, due);
  }
  void SetDpiAwareness(DpiAwareness awareness) override { Record(L"SetDpiAwareness", static_cast<int>(awareness)); }

  template <typename... Arguments>
  void Record(const wchar_t* name, const Arguments&... arguments) { calls.push_back(Call(name, arguments...)); }
  // Removes the file at `path`; false when there was none.
  bool Forget(const std::wstring& path) { fileContents.erase(path); return readableFiles.erase(path); }

 private:
  // The display's clock, moved on only by waits for a refresh.
  Time clock{0};
};

}  // namespace orvane::testing
