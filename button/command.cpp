#include "button/command.h"

namespace orvane::button {
namespace {

// The caption label as the button is designed; the box is re-placed by every face drawing.
constexpr std::uint32_t kBlack = 0;
const platform::TwipsRect kDesignCaptionBox{0, 90, 1635, 195};

const platform::FontDescription& DesignFont() {
  static const platform::FontDescription font{L"ＭＳ Ｐゴシック", 9.75, 400, false, false, false,
                                       platform::kShiftJisCharset};
  return font;
}

}  // namespace

Command::Command(const CommandParts& parts) : parts_(parts) {
  ShowCaption(kDesignCaption);
  parts_.caption.SetColour(kBlack);
  parts_.caption.SetFont(DesignFont());
  parts_.caption.Move(kDesignCaptionBox);
}

void Command::Initialize() {
  buttonState_ = ButtonState::kNormal;
  parts_.mouseTimer.Start(100);
}

std::uint8_t Command::Visible() {
  if (parts_.surface.GetBackgroundStyle() == platform::BackgroundStyle::kTransparent) return 0;
  ShowNormalFace();
  return 255;
}

void Command::SetVisible(std::uint8_t visible) {
  if (visible == 0) {
    parts_.surface.SetBackgroundStyle(platform::BackgroundStyle::kTransparent);
  } else {
    parts_.surface.SetBackgroundStyle(platform::BackgroundStyle::kOpaque);
    ShowNormalFace();
  }
  parts_.container.PropertyChanged(L"Visible");
}

std::uint32_t Command::FontColour() {
  const std::uint32_t colour = parts_.caption.Colour();
  ShowNormalFace();
  return colour;
}

void Command::SetFontColour(std::uint32_t colour) {
  parts_.caption.SetColour(colour);
  ShowNormalFace();
  parts_.container.PropertyChanged(L"FontColour");
}

bool Command::Enabled() {
  if (firstRun_ == 0) {
    // First use of a button that was never loaded from saved properties.
    ShowNormalFace();
    firstRun_ = 1;
    enabled_ = true;
  }
  const bool enabled = enabled_;
  ShowEnabledFace();
  return enabled;
}

void Command::SetEnabled(bool enabled) {
  enabled_ = enabled;
  parts_.container.PropertyChanged(L"Enabled");
  ShowEnabledFace();
}

std::wstring Command::Caption() { return parts_.caption.Text(); }

void Command::SetCaption(const std::wstring& caption) {
  // The label is its own layer over the face, so the new text shows without a redraw.
  ShowCaption(caption);
  parts_.container.PropertyChanged(L"Caption");
}

void Command::ShowCaption(const std::wstring& caption) {
  parts_.caption.SetText(caption);
  // The face only draws the caption: screen readers and other programs know the button by
  // its window's text.
  parts_.windows.SetWindowTitle(parts_.window, caption);
}

platform::FontDescription Command::Font() { return parts_.caption.Font(); }

void Command::SetFont(const platform::FontDescription& font) {
  parts_.caption.SetFont(font);
  parts_.container.PropertyChanged(L"Font");
}

void Command::ShowEnabledFace() {
  if (enabled_) {
    PaintFace(FacePicture::kNormal);
    parts_.caption.SetEnabled(true);
  } else {
    PaintFace(FacePicture::kDisable);
    parts_.caption.SetEnabled(false);
  }
}

// Leaves ButtonState alone, so a hot or focused button shows the normal face until its next
// change of state.
void Command::ShowNormalFace() {
  if (!enabled_) return;
  parts_.caption.SetEnabled(true);
  if (firstRun_ == 0) parts_.caption.SetColour(kBlack);
  PaintFace(FacePicture::kNormal);
}

}  // namespace orvane::button
