#include "saver/saver_window.h"

#include "contract/program_contract.h"
#include "music/music_file_type.h"
#include "platform/monitor_layout.h"
#include "saver/split_desktop.h"
#include "saver/staging.h"

namespace orvane::saver {
namespace {

constexpr int kShowNormal = 1;

}  // namespace

SaverWindow::SaverWindow(platform::Services& services, const settings::Settings& settings,
                         std::unique_ptr<SaverModeSystemState> saverMode, RandomDraw draw)
    : services_(services),
      settings_(settings),
      saverMode_(std::move(saverMode)),
      draw_(std::move(draw)),
      music_(services.multimedia, settings) {}

SaverWindow::~SaverWindow() {
  try {
    if (form_ && form_->IsLoaded()) form_->Unload();
  } catch (...) {
    // Nothing more can be done for a run that fails even to close.
  }
}

void SaverWindow::Load() {
  form_ = services_.forms.CreateForm(contract::kSaverWindowTitle, *this);
  OnLoad();
}

void SaverWindow::OnLoad() {
  platform::FormWindow& form = *form_;
  const platform::Rect desk = services_.forms.VirtualScreen();
  form.SetBounds(desk);
  form.Image().Resize(form.ClientWidth(), form.ClientHeight());
  monitors_ = platform::MonitorsOnWindow(services_.forms.Monitors(), desk, form.ClientWidth(),
                                         form.ClientHeight());
  // Taken while the window is still hidden, so it never shows in its own picture, and straight
  // into the window's picture: nothing more is copied before the user sees it. Monitors that
  // fill the window are taken in one copy, cheaper than one a monitor; otherwise what no
  // monitor shows of the virtual screen stays black.
  const platform::Rect window{0, 0, form.ClientWidth(), form.ClientHeight()};
  const std::vector<platform::Rect> copies =
      platform::MonitorsFillWindow(monitors_, window.right, window.bottom) ? std::vector{window} : monitors_;
  for (const platform::Rect& part : copies) {
    const platform::Rect onScreen{part.left + desk.left, part.top + desk.top, part.right + desk.left,
                                  part.bottom + desk.top};
    form.Image().CopyFromScreen(onScreen, {part.left, part.top});
  }
  staged_ = StageRendererFiles(services_);
  form.Show();
  StartMusic();
  form.EnableTimer(kStartEffect, kStartEffectMs);
}

void SaverWindow::StartMusic() {
  if (settings_.bgmKind == settings::MusicSource::kAudioCd) {
    music_.cd.OpenCdAudio();
    form_->EnableTimer(kCdWatch, kCdWatchMs);
  } else if (settings_.bgmKind == settings::MusicSource::kMusicFile) {
    const std::wstring type = music::MusicFileType(settings_.bgmFile);
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
  // The halves are cut from a copy of the desktop, as the effect draws over the window's picture.
  platform::PixelImage& display = form.Image();
  const std::int32_t width = display.Width(), height = display.Height();
  const auto desktop = services_.forms.CreateImage(width, height);
  desktop->CopyFrom(display, 0, 0, width, height, 0, 0);
  SplitDesktop(form, *desktop, monitors_, services_.forms, services_.display, draw_);
  if (!form.IsLoaded()) return;  // closed from outside during the effect

  display.FillRectangle(0, 0, width, height, platform::kBlack);
  form.Present();

  // Exactly the program file beside the saver is started, even in a folder whose path has
  // blanks, and it gets its full path, unquoted, as its whole command line.
  const std::wstring rendererPath = services_.process.ProgramFolder() + contract::kRendererFileName;
  renderer_ = services_.process.StartProgram(rendererPath, rendererPath, kShowNormal);
  if (!renderer_) return form.Unload();
  waitingForRenderer_ = true;
  form.EnableTimer(kRendererWatch, kRendererWatchMs);
  form.Hide();
}

void SaverWindow::OnRendererWatchTimer() {
  const bool rendererWindowShown =
      services_.windows.FindTopLevelWindow(contract::kRendererWindowTitle) != 0;
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

void SaverWindow::OnUnload() {
  EndRendererNotYetShown();
  StopMusic();
  saverMode_.reset();  // the cursor shows again and the system is told the run is over
  RemoveStagedFiles(staged_);
  services_.forms.EndMessageLoop();
}

// A renderer that the run gives up on before its window shows would still open it later,
// topmost and full-screen, with nothing watching it and its files gone, so it ends with the
// run. One whose window is up is the user's to close.
void SaverWindow::EndRendererNotYetShown() {
  if (!renderer_ || !waitingForRenderer_) return;
  if (services_.windows.FindTopLevelWindow(contract::kRendererWindowTitle) != 0) return;
  renderer_->End();
}

void SaverWindow::StopMusic() {
  if (form_->TimerEnabled(kCdWatch)) {
    form_->DisableTimer(kCdWatch);
    music_.cd.CloseCdAudio();
  }
  if (settings_.bgmKind != settings::MusicSource::kMusicFile) return;
  const std::wstring type = music::MusicFileType(settings_.bgmFile);
  if (type == L"WAV") music_.file.StopWav();
  if (type == L"MP3") {
    form_->DisableTimer(kMp3Watch);
    music_.file.CloseMp3();
  }
}

}  // namespace orvane::saver
