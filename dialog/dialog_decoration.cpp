#include "dialog/dialog_decoration.h"

#include <cmath>

#include "dialog/settings_dialog.h"
#include "platform/rounding.h"

namespace orvane::dialog {
namespace {

constexpr double kBandHeight = 220;
constexpr std::uint32_t kBlueLift = 30;
// A whole light band spans the height: half a turn of the sine, with pi taken as 3.142.
constexpr double kHalfTurn = 3.142;

}  // namespace

platform::Colour BackgroundRowColour(std::int32_t y, std::int32_t clientHeight) {
  const double rowsPerRadian = clientHeight / kHalfTurn;
  const auto level = static_cast<std::uint32_t>(
      platform::RoundToInteger<std::int32_t>(std::fabs(kBandHeight * std::sin(y / rowsPerRadian)),
                                             platform::Rounding::kHalfToEven)
          .value_or(0));
  return level | level << 8 | (level + kBlueLift) << 16;
}

void PaintBackground(platform::PixelImage& image, std::int32_t clientWidth,
                     std::int32_t clientHeight) {
  // The last line, one row below the client area, is clipped away.
  for (std::int32_t y = 0; y <= clientHeight; ++y) {
    image.DrawLine({0, y}, {clientWidth, y}, BackgroundRowColour(y, clientHeight), {0, 0, clientWidth, clientHeight});
  }
}

void TileBackdrop(platform::PixelImage& target, platform::PixelImage& tile) {
  const std::int32_t tileWidth = tile.Width();
  const std::int32_t tileHeight = tile.Height();
  if (tileWidth <= 0 || tileHeight <= 0) return;
  std::int32_t x = 0;
  std::int32_t y = 0;
  // The test comes after each copy, so every column gets one tile below the bottom edge and
  // one whole column lies beyond the right edge; the target clips them away.
  for (;;) {
    target.CopyFrom(tile, 0, 0, tileWidth, tileHeight, x, y);
    if (y > target.Height()) {
      if (x > target.Width()) return;
      x += tileWidth;
      y = 0;
    } else {
      y += tileHeight;
    }
  }
}

void SettingsDialog::OnResize() {
  PaintBackground(form_->Image(), form_->ClientWidth(), form_->ClientHeight());
}

void SettingsDialog::OnControlClick(int controlId) {
  if (controlId == kLink) OnLinkClick();
}

void SettingsDialog::OnLinkClick() {
  constexpr int kShowNormal = 1;
  services_.forms.SetScreenPointer(platform::ScreenPointer::kHourglass);
  services_.process.OpenWithShell(form_->Handle(), L"open", link_->Caption(), L"", L"",
                                  kShowNormal);
  services_.forms.SetScreenPointer(platform::ScreenPointer::kDefault);
}

}  // namespace orvane::dialog
