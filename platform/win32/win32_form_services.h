#pragma once

#include "platform/form_services.h"
#include "platform/win32/monitors.h"

namespace orvane::platform::win32 {

class Win32FormServices final : public FormServices {
 public:
  using FormServices::CreateForm;
  std::unique_ptr<FormWindow> CreateForm(const std::wstring& title, FormHandlers& handlers,
                                         const FormStyle& style) override;
  std::unique_ptr<PixelImage> CreateImage(std::int32_t width, std::int32_t height) override;
  std::unique_ptr<PixelImage> LoadPicture(const std::wstring& pictureName) override;
  Rect VirtualScreen() override { return VirtualScreenRect(); }
  std::vector<Monitor> Monitors() override { return DesktopMonitors(); }
  Monitor MonitorAt(const Point& point) override { return MonitorNearest(point); }
  void ProcessPendingMessages() override;
  void SetScreenPointer(ScreenPointer pointer) override;
  std::optional<std::wstring> ChooseFileToOpen(const OpenFileRequest& request) override;
};

// Handles the thread's window messages waiting now; false once the program's last window has
// gone, with the quit message left for the main loop.
bool HandleWaitingMessages();

// Runs the thread's message loop until the program's last window has been unloaded.
void RunMessageLoop();

}  // namespace orvane::platform::win32
