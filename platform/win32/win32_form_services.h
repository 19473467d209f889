#pragma once

#include "platform/form_services.h"
#include "platform/win32/monitors.h"
#include "platform/win32/screen_pointer.h"
#include "platform/win32/win32_controls.h"

namespace orvane::platform::win32 {

class Win32FormServices final : public FormServices {
 public:
  explicit Win32FormServices(DisplayServices& display) : surroundings_{display, pointer_} {}

  using FormServices::CreateForm;
  std::unique_ptr<FormWindow> CreateForm(const std::wstring& title, FormHandlers& handlers,
                                         const FormStyle& style) override;
  std::unique_ptr<PixelImage> CreateImage(std::int32_t width, std::int32_t height) override;
  std::unique_ptr<PixelImage> LoadPicture(const std::wstring& pictureName) override;
  Rect VirtualScreen() override { return VirtualScreenRect(); }
  std::vector<Monitor> Monitors() override { return DesktopMonitors(); }
  Monitor MonitorAt(const Point& point) override { return MonitorNearest(point); }
  void ProcessPendingMessages() override;
  void EndMessageLoop() override;
  void SetScreenPointer(ScreenPointer pointer) override { pointer_.Change(pointer); }
  std::optional<std::wstring> ChooseFileToOpen(const OpenFileRequest& request) override;

 private:
  ScreenPointerSetting pointer_;
  const WindowSurroundings surroundings_;
};

// Handles the thread's window messages waiting now; false once the message loop has been
// ended, with the quit message left for the main loop.
bool HandleWaitingMessages();

// Runs the thread's message loop until it is ended.
void RunMessageLoop();

}  // namespace orvane::platform::win32
