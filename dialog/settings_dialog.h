#pragma once

#include <array>
#include <cstdint>
#include <list>
#include <memory>

#include "button/command.h"
#include "dialog/zoom.h"
#include "platform/form_services.h"
#include "platform/services.h"
#include "settings/settings.h"

namespace orvane::dialog {

inline constexpr wchar_t kSettingsDialogTitle[] = L"<3dOrvaneの設定>";

// The dialog's controls, by the identifiers the platform reports their events under. The
// three music sources are indexed by their kind: 0 none, 1 audio CD, 2 music file.
enum ControlId : int {
  kSourceName = 100,  // 100 to 102: the names of the sources
  kSourceMark = 110,  // 110 to 112: the marks in front of them
  kTrackBox = 120,    // the audio-CD track to repeat
  kFileButton,        // "...", which chooses the music file
  kSaveButton,        // "設定"
  kCancelButton,      // "ｷｬﾝｾﾙ"
  kPanel,             // the marbled panel that holds the sources
  kFileName,          // the chosen music file's path
  kLink,              // the home page's address
  kHeading,
  kTrackCaption,
  kCredit,
};

inline constexpr int kSourceCount = 3;

// The marks in front of the sources (unselected, selected) and the tile of the panel, stored
// pictures of the program.
inline constexpr const wchar_t* kMarkPictures[2] = {L"DIALOG_MARK_UNSELECTED",
                                                   L"DIALOG_MARK_SELECTED"};
inline constexpr wchar_t kTilePicture[] = L"DIALOG_TILE";

// The settings dialog: shows the music settings, lets the user choose the source, the CD
// track and the music file, and writes them to the settings file on "設定". It edits the
// settings in place; the program ends when it has closed.
class SettingsDialog final : public platform::FormHandlers {
 public:
  static constexpr std::int32_t kClientWidth = 495;
  static constexpr std::int32_t kClientHeight = 246;

  SettingsDialog(platform::Services& services, settings::Settings& settings);

  // Loads the dialog, shows it modally and returns when it has been unloaded.
  void ShowModal();

  void OnTimer(int) override {}
  void OnUnload() override;
  void OnControlMouseDown(int controlId) override;
  void OnControlClick(int controlId) override;

 private:
  void CreateControls();
  button::Command& AddButton(platform::ControlContainer& parent, int controlId, const platform::Rect& box,
                             const wchar_t* caption, button::Command::ClickHandler onClick);
  void OnLoad();
  void OnResize();
  void InitialiseButtons();
  void ShowSelectedSource(settings::MusicSource source);
  void SelectSource(int index);
  void OnSave();
  void OnCancel();
  void ShowMessage(const std::wstring& text);
  void OnChooseFile();
  void OnLinkClick();

  platform::Services& services_;
  settings::Settings& settings_;
  ZoomOrigin zoomOrigin_;
  // The program's own push buttons; they outlive the windows they are on, which may call them
  // while they close.
  std::list<button::Command> buttons_;
  std::unique_ptr<platform::FormWindow> form_;
  std::unique_ptr<platform::PixelImage> panelTile_;
  platform::PictureBox* panel_ = nullptr;
  std::array<platform::ImageControl*, kSourceCount> sourceMarks_{};
  platform::ComboBox* trackBox_ = nullptr;
  platform::Label* fileName_ = nullptr;
  platform::Label* link_ = nullptr;
  button::Command* fileButton_ = nullptr;
};

}  // namespace orvane::dialog
