#pragma once

#include <cstdint>
#include <memory>

#include "platform/form_services.h"
#include "platform/services.h"

namespace orvane::preview {

inline constexpr wchar_t kPreviewWindowTitle[] = L"Preview Window";
// The still picture of the preview, a stored picture of the program, and its own size in pixels.
inline constexpr wchar_t kPreviewPicture[] = L"PREVIEW_PICTURE";
inline constexpr int kPreviewWidth = 152;
inline constexpr int kPreviewHeight = 112;

// The still picture that stands for the saver in the preview pane of the system's display
// settings. It reacts to nothing and stays until the host closes the pane, which ends preview
// mode.
class PreviewWindow final : public platform::FormHandlers {
 public:
  enum ControlId : int { kImgPrev = 1 };

  explicit PreviewWindow(platform::Services& services);

  // Loads the window, makes it a child window of the host's pane, places it at (0, 0) with
  // the pane's size in pixels, stretches the picture over it and shows it without waiting.
  void ShowInPane(platform::WindowHandle pane, std::int32_t width, std::int32_t height);

  void OnTimer(int) override {}
  void OnUnload() override { services_.forms.EndMessageLoop(); }

 private:
  platform::Services& services_;
  std::unique_ptr<platform::FormWindow> form_;
  platform::ImageControl* imgPrev_ = nullptr;
};

}  // namespace orvane::preview
