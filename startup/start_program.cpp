#include "startup/start_program.h"

#include "contract/application_title.h"
#include "contract/program_contract.h"
#include "dialog/settings_dialog.h"
#include "platform/file_exists.h"
#include "saver/saver_mode.h"
#include "startup/command_line.h"

namespace orvane::startup {
namespace {

bool AnotherCopyIsOpen(platform::WindowServices& windows) {
  const bool saverOpen = windows.FindTopLevelWindow(contract::kSaverWindowTitle) != 0;
  const bool dialogOpen = windows.FindTopLevelWindow(dialog::kSettingsDialogTitle) != 0;
  return saverOpen || dialogOpen;
}

// False when the pane is no window: nothing would ever close a preview made for it.
bool ShowPreview(platform::Services& services, ModeWindows& windows) {
  const platform::WindowHandle pane = PaneHandle(services.process.CommandLine());
  if (!services.windows.IsWindow(pane)) return false;
  const platform::Rect rect = services.windows.GetWindowRect(pane);
  windows.ShowPreview(pane, rect.right - rect.left, rect.bottom - rect.top);
  return true;
}

struct ShippedFile {
  const wchar_t* name;
  const wchar_t* messageWhenMissing;
};

// The renderer is looked for first, so when both are missing only its message shows.
constexpr ShippedFile kShippedFiles[] = {
    {contract::kRendererFileName, L"3dOrvane.dll が同じフォルダに見つかりません！"},
    {contract::kModelFileName, L"3dOrvane.x が同じフォルダに見つかりません！"},
};

// False when a shipped file is missing; the user has then been told which.
bool ShippedFilesPresent(platform::Services& services) {
  const std::wstring folder = services.process.ProgramFolder();
  for (const ShippedFile& file : kShippedFiles) {
    if (!platform::FileExists(services.files, folder + file.name)) {
      services.windows.ShowOkMessage(file.messageWhenMissing, contract::kApplicationTitle, 0);
      return false;
    }
  }
  return true;
}

}  // namespace

AfterStart StartProgram(platform::Services& services, ModeWindows& windows,
                        settings::Settings& settings) {
  if (AnotherCopyIsOpen(services.windows)) return AfterStart::kEndProcess;

  const std::wstring commandLine = services.process.CommandLine();
  const wchar_t mode = ModeLetter(commandLine);
  // The saver's desktop picture and windows are in each monitor's own pixels and the preview's
  // pane in the display's; the dialog is laid out in pixels of 96 dots per inch and lets the
  // system scale it.
  using Awareness = platform::DisplayServices::DpiAwareness;
  services.display.SetDpiAwareness(mode == kSettingsMode  ? Awareness::kUnaware
                                   : mode == kPreviewMode ? Awareness::kPrimary
                                                          : Awareness::kPerMonitor);
  if (mode == kPreviewMode) {
    return ShowPreview(services, windows) ? AfterStart::kRunOpenWindows : AfterStart::kEndProcess;
  }

  services.files.CreateFolder(contract::kStagingFolder);
  // The dialog shows and keeps a music file that is out of reach for now, such as one on a
  // drive that is not plugged in; only a saver run drops it and plays nothing.
  if (mode == kSettingsMode) {
    settings::ReadSettings(services, settings);
  } else {
    settings::LoadSettings(services, settings);
  }
  if (!ShippedFilesPresent(services)) return AfterStart::kEndProcess;

  if (mode == kSettingsMode) {
    windows.ShowSettingsDialog();
    return AfterStart::kEndProcess;
  }
  if (!commandLine.empty() && mode != kSaverMode) return AfterStart::kEndProcess;
  // Started without a mode, the saver runs with the cursor shown and the system not told.
  windows.LoadSaverWindow(mode == kSaverMode
                              ? std::make_unique<saver::SaverModeSystemState>(services.windows)
                              : nullptr);
  return AfterStart::kRunOpenWindows;
}

}  // namespace orvane::startup
