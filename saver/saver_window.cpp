#include "saver/saver_window.h"

#include "platform/skip_on_failure.h"
#include "saver/music_file_type.h"
#include "saver/split_desktop.h"
#include "saver/staging.h"
#include "startup/command_line.h"
#include "startup/start_program.h"
#include "startup/system_utils.h"

namespace orvane::saver {
namespace {

using platform::SkipOnFailure;

constexpr wchar_t kSaverWindowTitle[] = L"3dOrvane_Main";
constexpr int kShowNormal = 1;

}  // namespace

SaverWindow::SaverWindow(platform::Services& services, startup::ProgramState& state,
                         RandomDraw draw)
    : services_(services),
      state_(state),
      draw_(std::move(draw)),
      music_(services.multimedia, state.settings) {}

void SaverWindow::Load() {
  form_ = services_.forms.CreateForm(kSaverWindowTitle, *this);
  OnLoad();
}

void SaverWindow::OnLoad() {
  platform::FormWindow& form = *form_;
  SkipOnFailure([&] {
    form.SetBounds({0, 0, services_.forms.PrimaryScreenWidth(),
                    services_.forms.PrimaryScreenHeight()});
  });
  SkipOnFailure([&] { form.Image().Resize(form.ClientWidth(), form.ClientHeight()); });
  SkipOnFailure([&] {
    // Taken while the window is still hidden, so it never shows in its own picture.
    desktopPicture_ = services_.forms.CreateImage(form.ClientWidth(), form.ClientHeight());
    desktopPicture_->CopyFromScreen();
    form.Image().CopyFrom(*desktopPicture_, 0, 0, desktopPicture_->Width(),
                          desktopPicture_->Height(), 0, 0);
  });
  SkipOnFailure([&] { StageRendererFiles(services_); });
  SkipOnFailure([&] { form.Show(); });
  SkipOnFailure([&] { StartMusic(); });
  SkipOnFailure([&] { form.EnableTimer(kStartEffect, kStartEffectMs); });
}

void SaverWindow::StartMusic() {
  const startup::Settings& settings = state_.settings;
  if (settings.bgmKind == startup::kAudioCd) {
    music_.cd.OpenCdAudio();
    form_->EnableTimer(kCdWatch, kCdWatchMs);
  } else if (settings.bgmKind == startup::kMusicFile) {
    const std::wstring type = MusicFileType(settings.bgmFile);
    if (type == L"WAV") music_.file.PlayWavLoop();
    if (type == L"MP3") {
      music_.file.OpenAndPlayMp3();
      form_->EnableTimer(kMp3Watch, kMp3WatchMs);
    }
  }
}

void SaverWindow::OnTimer(int timerId) {
  switch (timerId) {
    case kMp3Watch: return OnMp3WatchTimer();
    case kCdWatch: return OnCdWatchTimer();
    case kStartEffect: return OnStartEffectTimer();
    case kRendererWatch: return OnRendererWatchTimer();
  }
}

void SaverWindow::OnMp3WatchTimer() { music_.file.RestartMp3IfEnded(); }

void SaverWindow::OnCdWatchTimer() {
  music_.cd.PollCdAudio();
  if (!music_.cd.CdUsable()) form_->DisableTimer(kCdWatch);
}

void SaverWindow::OnStartEffectTimer() {
  platform::FormWindow& form = *form_;
  form.DisableTimer(kStartEffect);
  try {
    // Without a desktop picture the halves that slide apart are black.
    if (!desktopPicture_) {
      desktopPicture_ = services_.forms.CreateImage(form.ClientWidth(), form.ClientHeight());
    }
    SplitDesktop(form, *desktopPicture_, services_.forms, services_.display, draw_);
  } catch (const std::exception&) {
    // A failed effect ends the run the normal way: music off, cursor back, files removed.
    return form.Unload();
  }
  if (!form.IsLoaded()) return;  // closed from outside during the effect

  platform::PixelImage& display = form.Image();
  display.FillRectangle(0, 0, display.Width(), display.Height(), platform::kBlack);
  form.Present();

  // Exactly the program file beside the saver is started, even in a folder whose path has
  // blanks, and it gets its full path, unquoted, as its whole command line.
  const std::wstring rendererPath = services_.process.ProgramFolder() + startup::kRendererFileName;
  renderer_ = services_.process.StartProgram(rendererPath, rendererPath, kShowNormal);
  if (!renderer_) return form.Unload();
  waitingForRenderer_ = true;
  form.EnableTimer(kRendererWatch, kRendererWatchMs);
  form.Hide();
}

void SaverWindow::OnRendererWatchTimer() {
  const bool rendererWindowShown = services_.windows.FindTopLevelWindow(kRendererWindowTitle) != 0;
  if (waitingForRenderer_) {
    if (rendererWindowShown) {
      waitingForRenderer_ = false;
      return;
    }
    // A renderer that ends, or never shows its window, must not leave the saver waiting.
    const bool gaveUp = renderer_->HasEnded() || ++ticksWaitedForRenderer_ >= kRendererWindowWaitTicks;
    if (!gaveUp) return;
  } else if (rendererWindowShown) {
    return;
  }
  form_->DisableTimer(kRendererWatch);
  form_->Unload();
}

void SaverWindow::OnQueryUnload() {
  SkipOnFailure([&] { EndRendererNotYetShown(); });
  SkipOnFailure([&] { StopMusic(); });
  SkipOnFailure([&] {
    if (startup::ModeLetter(services_.process.CommandLine()) != startup::kSaverMode) return;
    state_.savedCursorCount = services_.windows.ShowCursor(state_.savedCursorCount);
    // Start-up told the system a screen saver runs; it is told the run is over.
    startup::SetScreenSaverRunningFlag(services_.windows, -1);
  });
}

// A renderer that the run gives up on before its window shows would still open it later,
// topmost and full-screen, with nothing watching it and its files gone, so it ends with the
// run. One whose window is up is the user's to close.
void SaverWindow::EndRendererNotYetShown() {
  if (!renderer_ || !waitingForRenderer_) return;
  if (services_.windows.FindTopLevelWindow(kRendererWindowTitle) != 0) return;
  renderer_->End();
}

void SaverWindow::StopMusic() {
  if (form_->TimerEnabled(kCdWatch)) {
    form_->DisableTimer(kCdWatch);
    music_.cd.CloseCdAudio();
  }
  const startup::Settings& settings = state_.settings;
  if (settings.bgmKind != startup::kMusicFile) return;
  const std::wstring type = MusicFileType(settings.bgmFile);
  if (type == L"WAV") music_.file.StopWav();
  if (type == L"MP3") {
    form_->DisableTimer(kMp3Watch);
    music_.file.CloseMp3();
  }
}

void SaverWindow::OnUnload() { SkipOnFailure([&] { RemoveStagedFiles(services_); }); }

}  // namespace orvane::saver
