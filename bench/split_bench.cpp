// Times the split effect on the real screen: the saver's window over every monitor with a
// picture of the desktop, torn apart frame by frame exactly as in a saver run, each frame held for one
// display refresh. A frame's time runs from the end of the previous frame's refresh (or, after
// a late frame, from its present) to its own present: composing and presenting it. A frame
// misses its refresh when it is presented after the refresh it was meant for, or when the wait
// for that refresh oversleeps a whole one. The slide is timed from the end of the crack's
// refresh to the end of the last frame's, against frames x refresh interval. As a baseline in
// the same run, the same number of frames are each one copy of the whole virtual screen, presented and held
// the same way.
//   split_bench [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "platform/monitor_layout.h"
#include "platform/win32/win32_platform.h"
#include "saver/frame_hold.h"
#include "saver/split_desktop.h"

namespace {

using orvane::platform::DisplayServices;
using Time = DisplayServices::Time;

class NoHandlers final : public orvane::platform::FormHandlers {
 public:
  void OnTimer(int) override {}
  void OnUnload() override {}
};

double Milliseconds(Time time) { return time.count() / 1000.0; }

// The real display, noting each wait for a refresh: when it returned and which refresh it
// reported.
class WatchedDisplay final : public DisplayServices {
 public:
  explicit WatchedDisplay(DisplayServices& display)
      : display_(display), interval_(display.RefreshInterval()) {}

  int TwipsPerPixelX() override { return display_.TwipsPerPixelX(); }
  int TwipsPerPixelY() override { return display_.TwipsPerPixelY(); }
  void SetDpiAwareness(DpiAwareness awareness) override { display_.SetDpiAwareness(awareness); }
  Time Now() override { return display_.Now(); }
  Time RefreshInterval() override { return interval_; }
  Time WaitForRefresh(Time due) override {
    const Time refresh = display_.WaitForRefresh(due);
    lastWake = Now();
    lastRefresh = refresh;
    waited = true;
    if (lastWake - due >= interval_) ++oversleptRefreshes;
    return refresh;
  }

  Time lastWake{};
  Time lastRefresh{};
  bool waited = false;
  int oversleptRefreshes = 0;

 private:
  DisplayServices& display_;
  const Time interval_;
};

// The times of a run of paced frames, told of each present. The first present only starts
// the run: it is the crack, or a frame to start the baseline from.
class FrameTimes {
 public:
  explicit FrameTimes(WatchedDisplay& display) : display_(display) {}

  void OnPresent() {
    const Time now = display_.Now();
    if (started_) {
      const Time start = display_.waited ? display_.lastWake : lastPresent_;
      const Time previousRefresh = display_.waited ? display_.lastRefresh : lastPresent_;
      if (frameMs.empty()) firstStart = start;
      frameMs.push_back(Milliseconds(now - start));
      if (now - previousRefresh >= display_.RefreshInterval()) ++lateFrames;
    }
    started_ = true;
    display_.waited = false;
    lastPresent_ = now;
  }
  int MissedRefreshes() const { return lateFrames + display_.oversleptRefreshes; }
  double MedianMs() const {
    std::vector<double> sorted = frameMs;
    std::sort(sorted.begin(), sorted.end());
    return sorted.empty() ? 0 : sorted[sorted.size() / 2];
  }
  double WorstMs() const {
    return frameMs.empty() ? 0 : *std::max_element(frameMs.begin(), frameMs.end());
  }

  std::vector<double> frameMs;
  int lateFrames = 0;
  Time firstStart{};

 private:
  WatchedDisplay& display_;
  bool started_ = false;
  Time lastPresent_{};
};

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  orvane::platform::win32::Win32Platform platform;
  auto& forms = platform.services().forms;
  NoHandlers handlers;
  const auto form = forms.CreateForm(L"3dOrvane_Main", handlers);
  const orvane::platform::Rect desk = forms.VirtualScreen();
  form->SetBounds(desk);
  const int width = form->ClientWidth();
  const int height = form->ClientHeight();
  form->Image().Resize(width, height);
  const auto monitors = orvane::platform::MonitorsOnWindow(forms.Monitors(), desk, width, height);
  const auto desktop = forms.CreateImage(width, height);
  desktop->CopyFromScreen(desk, {0, 0});
  form->Show();

  std::mt19937 generator(12345);
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  for (int run = 1; run <= runs; ++run) {
    form->Image().CopyFrom(*desktop, 0, 0, width, height, 0, 0);
    form->Present();
    forms.ProcessPendingMessages();

    WatchedDisplay effectDisplay(platform.services().display);
    const Time interval = effectDisplay.RefreshInterval();
    FrameTimes effect(effectDisplay);
    orvane::saver::SplitDesktop(*form, *desktop, monitors, forms, effectDisplay,
                                [&] { return uniform(generator); }, [&] { effect.OnPresent(); });
    const double slideMs = Milliseconds(effectDisplay.Now() - effect.firstStart);
    const std::size_t frames = effect.frameMs.size();
    const double pacedMs = Milliseconds(interval) * static_cast<double>(frames);

    WatchedDisplay baselineDisplay(platform.services().display);
    FrameTimes baseline(baselineDisplay);
    orvane::saver::FrameHold frameHold(baselineDisplay);
    for (std::size_t frame = 0; frame <= frames; ++frame) {
      form->Image().CopyFrom(*desktop, 0, 0, width, height, 0, 0);
      form->Present();
      baseline.OnPresent();
      frameHold.HoldPresentedFrame();
      forms.ProcessPendingMessages();
    }

    std::printf(
        "%dx%d over %zu monitors, refresh every %.2f ms, run %d: %zu frames; compose+present %.2f ms median, "
        "%.2f worst; %d missed refreshes; slide %.0f ms against %.0f ms (frames x refresh, "
        "%+.1f%%); one full-screen copy a frame %.2f ms median, %.2f worst, %d missed; "
        "ratio of medians %.2f\n",
        width, height, monitors.size(), Milliseconds(interval), run, frames, effect.MedianMs(), effect.WorstMs(),
        effect.MissedRefreshes(), slideMs, pacedMs, pacedMs > 0 ? (slideMs / pacedMs - 1) * 100 : 0.0,
        baseline.MedianMs(), baseline.WorstMs(), baseline.MissedRefreshes(),
        baseline.MedianMs() > 0 ? effect.MedianMs() / baseline.MedianMs() : 0.0);
    std::fflush(stdout);
  }
  return 0;
}
