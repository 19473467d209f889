// Times the split effect on the real screen: the saver's full-screen window with a picture
// of the desktop, torn apart frame by frame exactly as in a saver run. As a baseline measured
// in the same run, it times one full-screen copy to the window per frame, the same number
// of frames. Prints frames, milliseconds per frame (median and worst), the totals and the
// ratio of an effect frame to a baseline frame.
//   split_bench [RUNS]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

#include "platform/win32/win32_platform.h"
#include "saver/split_desktop.h"

namespace {

using Clock = std::chrono::steady_clock;

class NoHandlers final : public orvane::platform::FormHandlers {
 public:
  void OnTimer(int) override {}
  void OnQueryUnload() override {}
  void OnUnload() override {}
};

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

struct Figures {
  double median = 0;
  double worst = 0;
  double total = 0;
};

Figures Summarise(std::vector<double> frameMs) {
  Figures figures;
  if (frameMs.empty()) return figures;
  for (const double ms : frameMs) figures.total += ms;
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
    std::vector<double> effectMs;
    auto frameStart = Clock::now();
    orvane::saver::SplitDesktop(*form, *desktop, forms, [&] { return uniform(generator); }, [&] {
      const auto now = Clock::now();
      effectMs.push_back(Milliseconds(now - frameStart));
      frameStart = now;
    });

    std::vector<double> baselineMs;
    for (std::size_t frame = 0; frame < effectMs.size(); ++frame) {
      const auto start = Clock::now();
      form->Image().CopyFrom(*desktop, 0, 0, width, height, 0, 0);
      form->Present();
      forms.ProcessPendingMessages();
      baselineMs.push_back(Milliseconds(Clock::now() - start));
    }

    const Figures effect = Summarise(effectMs);
    const Figures baseline = Summarise(baselineMs);
    std::printf(
        "%dx%d run %d: %zu frames; effect %.2f ms/frame median, %.2f worst, %.0f ms total; "
        "full-screen copy %.2f ms/frame median; ratio %.2f\n",
        width, height, run, effectMs.size(), effect.median, effect.worst, effect.total,
        baseline.median, baseline.median > 0 ? effect.median / baseline.median : 0.0);
    std::fflush(stdout);
  }
  return 0;
}
