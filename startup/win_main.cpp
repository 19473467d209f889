#include <windows.h>

#include <chrono>
#include <memory>
#include <random>

#include "dialog/settings_dialog.h"
#include "platform/win32/system_function.h"
#include "platform/win32/win32_form_services.h"
#include "platform/win32/win32_platform.h"
#include "preview/preview_window.h"
#include "saver/saver_window.h"
#include "startup/start_program.h"

namespace {

using orvane::platform::Services;
using orvane::settings::Settings;

// The windows of the three modes, as this program opens them.
class ProgramWindows final : public orvane::startup::ModeWindows {
 public:
  ProgramWindows(Services& services, Settings& settings) : services_(services), settings_(settings) {}

  void ShowPreview(orvane::platform::WindowHandle pane, std::int32_t width,
                   std::int32_t height) override {
    preview_ = std::make_unique<orvane::preview::PreviewWindow>(services_);
    preview_->ShowInPane(pane, width, height);
  }

  void ShowSettingsDialog() override {
    orvane::dialog::SettingsDialog dialog(services_, settings_);
    dialog.ShowModal();
  }

  void LoadSaverWindow(std::unique_ptr<orvane::saver::SaverModeSystemState> saverMode) override {
    std::mt19937 generator(static_cast<std::mt19937::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    saver_ = std::make_unique<orvane::saver::SaverWindow>(
        services_, settings_, std::move(saverMode),
        [generator, uniform]() mutable { return uniform(generator); });
    saver_->Load();
  }

  bool AnyWindowOpened() const { return saver_ != nullptr || preview_ != nullptr; }

 private:
  Services& services_;
  Settings& settings_;
  std::unique_ptr<orvane::saver::SaverWindow> saver_;
  std::unique_ptr<orvane::preview::PreviewWindow> preview_;
};

int RunProgram() {
  orvane::platform::win32::Win32Platform platform;
  Settings settings;
  ProgramWindows windows(platform.services(), settings);
  const auto afterStart = orvane::startup::StartProgram(platform.services(), windows, settings);
  if (afterStart == orvane::startup::AfterStart::kRunOpenWindows && windows.AnyWindowOpened()) {
    orvane::platform::win32::RunMessageLoop();
  }
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  orvane::platform::win32::LoadDllsFromSystemFolderOnly();
  try {
    return RunProgram();
  } catch (...) {
    // The unwinding closed the windows, each as its user would have: the saver's run ended
    // cleanly, the dialog without saving.
    return 1;
  }
}
