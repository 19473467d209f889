// Choosing the music source, with the marks and labels acting as option buttons, and the
// music file.
#include "dialog/settings_dialog.h"

namespace orvane::dialog {
namespace {

// GetOpenFileNameA's file and file-title buffers hold 255 bytes, the closing NUL included.
constexpr std::size_t kFileBufferSize = 255;

}  // namespace

void SettingsDialog::OnControlMouseDown(int controlId) {
  for (int kind = 0; kind < kSourceCount; ++kind) {
    if (controlId == kSourceName + kind || controlId == kSourceMark + kind) return SelectSource(kind);
  }
}

void SettingsDialog::SelectSource(int index) {
  settings_.bgmKind = static_cast<settings::MusicSource>(index);
  fileButton_->SetEnabled(false);
  trackBox_->SetEnabled(false);
  ShowSelectedSource(settings_.bgmKind);
  if (settings_.bgmKind == settings::MusicSource::kAudioCd) trackBox_->SetEnabled(true);
  if (settings_.bgmKind == settings::MusicSource::kMusicFile) fileButton_->SetEnabled(true);
}

// A number that is none of the three sources marks none.
void SettingsDialog::ShowSelectedSource(settings::MusicSource source) {
  const int index = static_cast<int>(source);
  for (platform::ImageControl* mark : sourceMarks_) mark->SetPicture(kMarkPictures[0]);
  if (index >= 0 && index < kSourceCount) sourceMarks_[index]->SetPicture(kMarkPictures[1]);
}

void SettingsDialog::OnChooseFile() {
  platform::OpenFileRequest request;
  request.owner = form_->Handle();
  request.filterDescription = L"BGMﾌｧｲﾙ (MP3 WAV)";
  request.filterPattern = L"*.MP3;*.WAV";
  request.fileBufferSize = kFileBufferSize;
  request.fileTitleBufferSize = kFileBufferSize;
  request.title = L"ﾌｧｲﾙを開く";
  // No flags: the file need not exist, and neither need its folder.
  request.flags = 0;
  const std::optional<std::wstring> chosen = services_.forms.ChooseFileToOpen(request);
  if (!chosen) return;
  settings_.bgmFile = *chosen;
  fileName_->SetCaption(*chosen);
}

}  // namespace orvane::dialog
