// The dialog as it is designed: its controls, their captions, places and looks.
#include "dialog/dialog_decoration.h"
#include "dialog/settings_dialog.h"

namespace orvane::dialog {
namespace {

using platform::BoxAt;

const platform::FontDescription& DialogFont() {
  static const platform::FontDescription font{L"ＭＳ Ｐゴシック", 9.75, 400, false, false,
                                              false, platform::kShiftJisCharset};
  return font;
}

platform::FontDescription Underlined(platform::FontDescription font) {
  font.underline = true;
  return font;
}

constexpr platform::Colour kPanelText = 0x000000;
constexpr platform::Colour kFrameColour = 0x602020;   // dark blue
constexpr platform::Colour kCreditColour = 0xFFFFFF;  // on the darker lower part of the band
constexpr platform::Colour kLinkColour = 0x99FFFF;    // pale yellow

constexpr wchar_t kCreditLine[] = L"3dOrvane Screen Saver";

struct SourceRow {
  const wchar_t* name;
  std::int32_t top;
  std::int32_t labelWidth;
};

// The sources in the order of their kind; on the panel they are listed audio CD, none,
// music file from the top.
constexpr SourceRow kSourceRows[kSourceCount] = {
    {L"なし", 76, 22}, {L"音楽CD", 56, 43}, {L"MP3、WAV", 96, 60}};

}  // namespace

void SettingsDialog::CreateControls() {
  platform::ControlContainer& form = form_->Controls();
  const platform::LabelStyle panelText{DialogFont(), kPanelText};

  panelTile_ = services_.forms.LoadPicture(kTilePicture);
  panel_ = &form.AddPictureBox(kPanel, BoxAt(12, 16, 469, 165));
  platform::PictureBox& panel = *panel_;
  panel.AddFrame(BoxAt(20, 20, 113, 21), kFrameColour);
  panel.AddLabel(kHeading, BoxAt(20, 24, 111, 13), L"BGM",
                 {DialogFont(), kPanelText, platform::TextAlignment::kCentre});
  for (int kind = 0; kind < kSourceCount; ++kind) {
    const SourceRow& row = kSourceRows[kind];
    sourceMarks_[kind] = &panel.AddImage(kSourceMark + kind, BoxAt(28, row.top, 13, 13), false);
    panel.AddLabel(kSourceName + kind, BoxAt(44, row.top, row.labelWidth, 13), row.name, panelText);
  }
  trackBox_ = &panel.AddComboBox(kTrackBox, BoxAt(112, 52, 41, 20), DialogFont());
  panel.AddLabel(kTrackCaption, BoxAt(156, 56, 66, 13), L"曲目をﾘﾋﾟｰﾄ", panelText);
  fileButton_ = &AddButton(panel, kFileButton, BoxAt(40, 112, 29, 21), L"...", [this] { OnChooseFile(); });
  fileName_ = &panel.AddLabel(kFileName, BoxAt(72, 112, 381, 33), L"",
                              {DialogFont(), kPanelText, platform::TextAlignment::kLeft, true});

  form.AddLabel(kCredit, BoxAt(12, 192, 165, 13), kCreditLine, {DialogFont(), kCreditColour});
  link_ = &form.AddLabel(kLink, BoxAt(12, 208, 219, 13), kHomePageAddress,
                         {Underlined(DialogFont()), kLinkColour, platform::TextAlignment::kLeft,
                          false, platform::Pointer::kHand});
  AddButton(form, kSaveButton, BoxAt(292, 200, 93, 25), L"設定", [this] { OnSave(); });
  AddButton(form, kCancelButton, BoxAt(388, 200, 93, 25), L"ｷｬﾝｾﾙ", [this] { OnCancel(); });
}

button::Command& SettingsDialog::AddButton(platform::ControlContainer& parent, int controlId,
                                           const platform::Rect& box, const wchar_t* caption,
                                           button::Command::ClickHandler onClick) {
  return buttons_.emplace_back(parent, controlId, box, caption, DialogFont(), services_, std::move(onClick));
}

}  // namespace orvane::dialog
