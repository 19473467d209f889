#pragma once

#include "platform/services.h"
#include "platform/win32/win32_form_services.h"

namespace orvane::platform::win32 {

class Win32WindowServices final : public WindowServices {
 public:
  WindowHandle FindTopLevelWindow(const std::wstring& title) override;
  bool IsWindow(WindowHandle window) override;
  Rect GetWindowRect(WindowHandle window) override;
  std::int32_t GetWindowStyle(WindowHandle window) override;
  void SetWindowStyle(WindowHandle window, std::int32_t style) override;
  void SetParent(WindowHandle child, WindowHandle parent) override;
  void SetWindowTitle(WindowHandle window, const std::wstring& text) override;
  std::int32_t ShowCursor(std::int32_t show) override;
  std::optional<Point> GetCursorPos() override;
  WindowHandle WindowFromPoint(const Point& point) override;
  void DrawAnimatedRects(WindowHandle window, int animation, const Rect& from,
                         const Rect& to) override;
  void SetSystemParameter(std::uint32_t action, std::uint32_t uiParam) override;
  void ShowOkMessage(const std::wstring& text, const std::wstring& caption,
                     WindowHandle owner) override;
};

class Win32FileServices final : public FileServices {
 public:
  bool CanOpenForReading(const std::wstring& path) override;
  bool CreateFolder(const std::wstring& path) override;
  std::unique_ptr<HeldFolder> HoldFolder(const std::wstring& path) override;
  bool WriteNewFile(const std::wstring& path, const std::vector<std::uint8_t>& bytes) override;
  bool MoveFileReplacing(const std::wstring& source, const std::wstring& target) override;
  bool RemoveFile(const std::wstring& path) override;
  std::optional<std::string> ReadWholeFile(const std::wstring& path) override;
  std::optional<std::wstring> ShortPath(const std::wstring& path) override;
};

class Win32CodePage932 final : public CodePage932 {
 public:
  std::optional<std::string> Encode(std::wstring_view text) override;
  std::wstring Decode(std::string_view bytes) override;
};

class Win32ProcessServices final : public ProcessServices {
 public:
  std::wstring CommandLine() override;
  std::wstring ProgramFolder() override;
  std::unique_ptr<StartedProgram> StartProgram(const std::wstring& programPath,
                                               const std::wstring& commandLine,
                                               int showMode) override;
  void OpenWithShell(WindowHandle owner, const std::wstring& operation, const std::wstring& file,
                     const std::wstring& parameters, const std::wstring& folder,
                     int showCommand) override;
  std::vector<std::uint8_t> ResourceData(int resourceId) override;
};

class Win32DisplayServices final : public DisplayServices {
 public:
  int TwipsPerPixelX() override;
  int TwipsPerPixelY() override;
  void SetDpiAwareness(DpiAwareness awareness) override;
  Time Now() override;
  Time RefreshInterval() override;
  Time WaitForRefresh(Time due) override;
};

class Win32MultimediaServices final : public MultimediaServices {
 public:
  std::int32_t SendMciString(const std::wstring& command, ReplyBuffer* reply) override;
  bool GetMciErrorText(std::int32_t code, ReplyBuffer& description) override;
  void PlayWaveSound(const std::optional<std::wstring>& name, std::uint32_t flags) override;
  std::uint32_t WaveOutDeviceCount() override;
};

// The real operating system, one instance per process.
class Win32Platform {
 public:
  Services& services() { return services_; }

 private:
  Win32WindowServices windows_;
  Win32FileServices files_;
  Win32CodePage932 codePage932_;
  Win32ProcessServices process_;
  Win32DisplayServices display_;
  Win32MultimediaServices multimedia_;
  Win32FormServices forms_{display_};
  Services services_{windows_, files_, codePage932_, process_, display_, multimedia_, forms_};
};

}  // namespace orvane::platform::win32
