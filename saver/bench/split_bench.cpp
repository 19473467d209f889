// Times the split effect on the real screen: the saver's full-screen window with a picture
// of the desktop, torn apart frame by frame exactly as in a saver run, each frame held for one
// display refresh. For every frame it measures the time to compose and present it (from the
// end of the previous frame's refresh to its present), counts the refreshes missed (a frame
// presented after the refresh it was meant for, or a wait that overslept a whole refresh),
// and times the slide from its first frame to the end of its last against frames x refresh
// interval. As a baseline measured in the same run, it times one full-screen copy to the
// window per frame, the same number of frames, unpaced.
//   split_bench [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "platform/win32/win32_platform.h"
#include "saver/split_desktop.h"

namespace {

using orvane::platform::DisplayServices;
using Time = DisplayServices::Time;

class NoHandlers final : public orvane::platform::FormHandlers {
 public:
  void OnTimer(int) override {}
  void OnQueryUnload() override {}
  void OnUnload() override {}
};

double Milliseconds(Time time) { return time.count() / 1000.0; }

// The real display, with a record of each wait for a refresh: when it returned and whether it
// overslept a whole refresh.
class WatchedDisplay final : public DisplayServices {
 public:
  explicit WatchedDisplay(DisplayServices& display)
      : display_(display), interval_(display.RefreshInterval()) {}

  int TwipsPerPixelX() override { return display_.TwipsPerPixelX(); }
  int TwipsPerPixelY() override { return display_.TwipsPerPixelY(); }
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

struct Figures {
  double median = 0;
  double worst = 0;
};

Figures Summarise(std::vector<double> frameMs) {
  Figures figures;
  if (frameMs.empty()) return figures;
  std::sort(frameMs.begin(), frameMs.end());
  figures.median = frameMs[frameMs.size() / 2];
  figures.worst = frameMs.back();
  return figures;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  orvane::platform::win32::Win32Platform platform;
  auto& forms = platform.services().forms;
  NoHandlers handlers;
  const auto form = forms.CreateForm(L"3dOrvane_Main", handlers);
  const int width = forms.PrimaryScreenWidth();
  const int height = forms.PrimaryScreenHeight();
  form->SetBounds({0, 0, width, height});
  form->Image().Resize(width, height);
  const auto desktop = forms.CreateImage(width, height);
  desktop->CopyFromScreen();
  form->Show();

  std::mt19937 generator(12345);
  std::uniform_real_distribution<double> uniform(0.0, 1.0);
  for (int run = 1; run <= runs; ++run) {
    form->Image().CopyFrom(*desktop, 0, 0, width, height, 0, 0);
    form->Present();
    forms.ProcessPendingMessages();
    WatchedDisplay display(platform.services().display);
    const Time interval = display.RefreshInterval();

    // The crack's present is the first; each later one is a frame of the slide.
    std::vector<double> frameMs;
    int missedRefreshes = 0;
    Time frameStart{};
    Time slideStart{};
    Time lastPresent{};
    bool crackShown = false;
    orvane::saver::SplitDesktop(*form, *desktop, forms, display, [&] { return uniform(generator); },
                                [&] {
      const Time now = display.Now();
      if (crackShown) {
        // A frame starts once the one before it has had its refresh, or at once when it was late.
        const bool previousWaited = display.waited;
        frameStart = previousWaited ? display.lastWake : lastPresent;
        const Time previousRefresh = previousWaited ? display.lastRefresh : lastPresent;
        if (frameMs.empty()) slideStart = frameStart;
        frameMs.push_back(Milliseconds(now - frameStart));
        if (now - previousRefresh >= interval) ++missedRefreshes;
      }
      crackShown = true;
      display.waited = false;
      lastPresent = now;
    });
    const Time slideEnd = display.Now();
    missedRefreshes += display.oversleptRefreshes;

    std::vector<double> baselineMs;
    for (std::size_t frame = 0; frame < frameMs.size(); ++frame) {
      const Time start = display.Now();
      form->Image().CopyFrom(*desktop, 0, 0, width, height, 0, 0);
      form->Present();
      forms.ProcessPendingMessages();
      baselineMs.push_back(Milliseconds(display.Now() - start));
    }

    const Figures effect = Summarise(frameMs);
    const Figures baseline = Summarise(baselineMs);
    const double slideMs = Milliseconds(slideEnd - slideStart);
    const double pacedMs = Milliseconds(interval) * frameMs.size();
    std::printf(
        "%dx%d, refresh every %.2f ms, run %d: %zu frames; compose+present %.2f ms median, "
        "%.2f worst; %d missed refreshes; slide %.0f ms against %.0f ms (frames x refresh, "
        "%+.1f%%); full-screen copy %.2f ms/frame median; ratio %.2f\n",
        width, height, Milliseconds(interval), run, frameMs.size(), effect.median, effect.worst,
        missedRefreshes, slideMs, pacedMs, pacedMs > 0 ? (slideMs / pacedMs - 1) * 100 : 0.0,
        baseline.median, baseline.median > 0 ? effect.median / baseline.median : 0.0);
    std::fflush(stdout);
  }
  return 0;
}
