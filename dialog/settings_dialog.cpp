#include "dialog/settings_dialog.h"

#include "dialog/dialog_decoration.h"
#include "dialog/repeat_text.h"
#include "platform/skip_on_failure.h"
#include "startup/settings.h"
#include "startup/start_program.h"
#include "startup/system_utils.h"

namespace orvane::dialog {
namespace {

using platform::SkipOnFailure;

constexpr std::int16_t kLastListedTrack = 30;

}  // namespace

SettingsDialog::SettingsDialog(platform::Services& services, startup::ProgramState& state,
                               PushButtonFactory& buttons)
    : services_(services), state_(state), buttonFactory_(buttons) {}

void SettingsDialog::ShowModal() {
  form_ = services_.forms.CreateForm(
      startup::kSettingsDialogTitle, *this,
      {platform::FormBorder::kFixedDialog, kClientWidth, kClientHeight, platform::kBlack});
  CreateControls();
  OnLoad();
  // The dialog gets its size as it is first shown.
  OnResize();
  form_->ShowModal();
}

void SettingsDialog::OnLoad() {
  platform::FormWindow& form = *form_;
  const startup::Settings& settings = state_.settings;
  SkipOnFailure([&] {
    // Centred across the screen, a third of the free height down.
    const platform::Rect outer = services_.windows.GetWindowRect(form.Handle());
    const std::int32_t width = outer.right - outer.left;
    const std::int32_t height = outer.bottom - outer.top;
    const std::int32_t left = (services_.forms.PrimaryScreenWidth() - width) / 2;
    const std::int32_t top = (services_.forms.PrimaryScreenHeight() - height) / 3;
    form.SetBounds({left, top, left + width, top + height});
  });
  SkipOnFailure([&] { InitialiseButtons(); });
  SkipOnFailure([&] {
    if (picMbl_) TileBackdrop(picC_->Image(), *picMbl_);
  });
  SkipOnFailure([&] { bgmRepeat_->SetEnabled(false); });
  SkipOnFailure([&] { ShowSelectedSource(settings.bgmKind); });
  SkipOnFailure([&] {
    if (settings.bgmKind == startup::kAudioCd) bgmRepeat_->SetEnabled(true);
  });
  SkipOnFailure([&] { cmdBgm_->SetEnabled(settings.bgmKind == startup::kMusicFile); });
  SkipOnFailure([&] { bgmRepeat_->SetText(FormatRepeat(settings.bgmRepeat)); });
  SkipOnFailure([&] {
    for (std::int16_t track = 0; track <= kLastListedTrack; ++track) {
      bgmRepeat_->AddItem(FormatRepeat(track));
    }
  });
  SkipOnFailure([&] { lblFname_->SetCaption(settings.bgmFile); });
  SkipOnFailure([&] {
    const std::optional<platform::Point> cursor = services_.windows.GetCursorPos();
    state_.zoomOrigin = cursor ? startup::ZoomOrigin{static_cast<std::int16_t>(cursor->x),
                                                     static_cast<std::int16_t>(cursor->y)}
                               : startup::ZoomOrigin{};
  });
  SkipOnFailure([&] { startup::ZoomOpen(services_.windows, state_.zoomOrigin, form.Handle()); });
  SkipOnFailure([&] { services_.forms.SetScreenPointer(platform::ScreenPointer::kDefault); });
}

void SettingsDialog::InitialiseButtons() {
  for (PushButton* button : pushButtons_) button->Initialize();
}

void SettingsDialog::OnSetClick() {
  startup::Settings& settings = state_.settings;
  settings.bgmRepeat = RepeatFromText(bgmRepeat_->Text());
  // The file is written whatever the source, so a file once chosen is remembered.
  if (!startup::SaveSettings(services_, settings)) {
    // The dialog stays, so the user can cancel or try again.
    const std::wstring file = startup::SettingsFilePath(services_.process.ProgramFolder());
    services_.windows.ShowOkMessage(file + L" に設定を保存できませんでした！",
                                    startup::kApplicationTitle, form_->Handle());
    return;
  }
  form_->Unload();
}

void SettingsDialog::OnCanClick() { form_->Unload(); }

void SettingsDialog::OnUnload() {
  startup::ZoomClose(services_.windows, state_.zoomOrigin, form_->Handle());
}

}  // namespace orvane::dialog
