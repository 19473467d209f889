#include "preview/preview_window.h"

#include "platform/skip_on_failure.h"
#include "platform/twips.h"

namespace orvane::preview {
namespace {

using platform::SkipOnFailure;

constexpr std::int32_t kWsChild = 0x40000000;
// The image control is designed at the picture's own size.
const platform::Rect kDesignedPicture = platform::BoxAt(0, 0, kPreviewWidth, kPreviewHeight);

}  // namespace

PreviewWindow::PreviewWindow(platform::Services& services) : services_(services) {}

void PreviewWindow::ShowInPane(platform::WindowHandle pane, std::int16_t widthTwips,
                               std::int16_t heightTwips) {
  form_ = services_.forms.CreateForm(kPreviewWindowTitle, *this);
  platform::FormWindow& form = *form_;
  imgPrev_ = &form.Controls().AddImage(kImgPrev, kDesignedPicture, true);
  imgPrev_->SetPicture(kPreviewPicture);

  const platform::WindowHandle window = form.Handle();
  SkipOnFailure([&] {
    // Every other style bit stays as it is.
    services_.windows.SetWindowStyle(window, services_.windows.GetWindowStyle(window) | kWsChild);
  });
  SkipOnFailure([&] { services_.windows.SetParent(window, pane); });
  const std::int32_t width = platform::TwipsToPixels(widthTwips, services_.display.TwipsPerPixelX());
  const std::int32_t height = platform::TwipsToPixels(heightTwips, services_.display.TwipsPerPixelY());
  SkipOnFailure([&] { form.SetBounds({0, 0, width, height}); });
  SkipOnFailure([&] { imgPrev_->Move(platform::BoxAt(0, 0, width, height)); });
  SkipOnFailure([&] { form.Show(); });
}

}  // namespace orvane::preview
