#pragma once

#include "platform/form_services.h"

namespace orvane::platform::win32 {

class Win32FormServices final : public FormServices {
 public:
  std::unique_ptr<FormWindow> CreateForm(const std::wstring& title, FormHandlers& handlers) override;
  std::unique_ptr<PixelImage> CreateImage(std::int32_t width, std::int32_t height) override;
  std::int32_t PrimaryScreenWidth() override;
  std::int32_t PrimaryScreenHeight() override;
  void ProcessPendingMessages() override;
};

// Runs the thread's message loop until the program's last window has been unloaded.
void RunMessageLoop();

}  // namespace orvane::platform::win32
