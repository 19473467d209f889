#include "preview/preview_window.h"

namespace orvane::preview {
namespace {

constexpr std::int32_t kWsChild = 0x40000000;
// The image control is designed at the picture's own size.
const platform::Rect kDesignedPicture = platform::BoxAt(0, 0, kPreviewWidth, kPreviewHeight);

}  // namespace

PreviewWindow::PreviewWindow(platform::Services& services) : services_(services) {}

void PreviewWindow::ShowInPane(platform::WindowHandle pane, std::int32_t width,
                               std::int32_t height) {
  form_ = services_.forms.CreateForm(kPreviewWindowTitle, *this);
  platform::FormWindow& form = *form_;
  imgPrev_ = &form.Controls().AddImage(kImgPrev, kDesignedPicture, true);
  imgPrev_->SetPicture(kPreviewPicture);

  const platform::WindowHandle window = form.Handle();
  // Every other style bit stays as it is.
  services_.windows.SetWindowStyle(window, services_.windows.GetWindowStyle(window) | kWsChild);
  services_.windows.SetParent(window, pane);
  form.SetBounds({0, 0, width, height});
  imgPrev_->Move(platform::BoxAt(0, 0, width, height));
  form.Show();
}

}  // namespace orvane::preview
