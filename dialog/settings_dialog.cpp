#include "dialog/settings_dialog.h"

#include "dialog/dialog_decoration.h"
#include "dialog/repeat_text.h"
#include "contract/application_title.h"
#include "dialog/zoom.h"

namespace orvane::dialog {
namespace {

constexpr std::int16_t kLastListedTrack = 30;

}  // namespace

SettingsDialog::SettingsDialog(platform::Services& services, settings::Settings& settings)
    : services_(services), settings_(settings) {}

void SettingsDialog::ShowModal() {
  form_ = services_.forms.CreateForm(
      kSettingsDialogTitle, *this,
      {platform::FormBorder::kFixedDialog, kClientWidth, kClientHeight, platform::kBlack});
  CreateControls();
  OnLoad();
  // The dialog gets its size as it is first shown.
  OnResize();
  form_->ShowModal();
}

void SettingsDialog::OnLoad() {
  platform::FormWindow& form = *form_;
  const settings::Settings& settings = settings_;
  // Centred across the monitor that holds the pointer, on the part the taskbar leaves free, a
  // third of the free height down; the primary monitor when the pointer is not known.
  const std::optional<platform::Point> pointer = services_.windows.GetCursorPos();
  const platform::Rect free = services_.forms.MonitorAt(pointer.value_or(platform::Point{})).workArea;
  const platform::Rect outer = services_.windows.GetWindowRect(form.Handle());
  const std::int32_t width = outer.right - outer.left;
  const std::int32_t height = outer.bottom - outer.top;
  const std::int32_t left = free.left + (free.right - free.left - width) / 2;
  const std::int32_t top = free.top + (free.bottom - free.top - height) / 3;
  form.SetBounds({left, top, left + width, top + height});
  InitialiseButtons();
  if (panelTile_) TileBackdrop(panel_->Image(), *panelTile_);
  trackBox_->SetEnabled(settings.bgmKind == settings::MusicSource::kAudioCd);
  ShowSelectedSource(settings.bgmKind);
  fileButton_->SetEnabled(settings.bgmKind == settings::MusicSource::kMusicFile);
  trackBox_->SetText(FormatRepeat(settings.bgmRepeat));
  for (std::int16_t track = 0; track <= kLastListedTrack; ++track) {
    trackBox_->AddItem(FormatRepeat(track));
  }
  fileName_->SetCaption(settings.bgmFile);
  const std::optional<platform::Point> cursor = services_.windows.GetCursorPos();
  zoomOrigin_ = cursor ? ZoomOrigin{static_cast<std::int16_t>(cursor->x),
                                    static_cast<std::int16_t>(cursor->y)}
                       : ZoomOrigin{};
  ZoomOpen(services_.windows, zoomOrigin_, form.Handle());
  services_.forms.SetScreenPointer(platform::ScreenPointer::kDefault);
}

void SettingsDialog::InitialiseButtons() {
  for (button::Command& button : buttons_) button.Initialize();
}

void SettingsDialog::OnSave() {
  settings_.bgmRepeat = RepeatFromText(trackBox_->Text());
  // The file is written whatever the source, so a file once chosen is remembered. When it
  // cannot be, the dialog stays, so the user can cancel or try again.
  switch (settings::SaveSettings(services_, settings_)) {
    case settings::SaveResult::kSaved:
      form_->Unload();
      return;
    case settings::SaveResult::kNotWritten:
      ShowMessage(settings::SettingsFilePath(services_.process.ProgramFolder()) +
                  L" に設定を保存できませんでした！");
      return;
    case settings::SaveResult::kMusicFileNameNotStorable:
      ShowMessage(settings_.bgmFile + L" は設定ファイルに書けない文字を名前に含み、短い名前もありません。"
                  L"別の名前のファイルを選んでください。");
      return;
  }
}

void SettingsDialog::ShowMessage(const std::wstring& text) {
  services_.windows.ShowOkMessage(text, contract::kApplicationTitle, form_->Handle());
}

void SettingsDialog::OnCancel() { form_->Unload(); }

void SettingsDialog::OnUnload() {
  ZoomClose(services_.windows, zoomOrigin_, form_->Handle());
}

}  // namespace orvane::dialog
