// The cost of the renderer's scene, over every monitor:  renderer_bench [SECONDS]
// Against frames that are only cleared and shown (the baseline: what the driver and the copy
// to the screen cost), the same run measures the full scene, SECONDS of each kind of turn (10
// by default), in alternating half-second turns so that all see the same load from whatever
// else runs:
//  - with vsync off, as many frames as can be drawn: frames per second, and their ratio;
//  - paced at 60 Hz as the renderer paces them: the processor time the renderer spends per
//    second of screen time, and the frames that missed their refresh.
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "platform/win32/finer_timer_period.h"
#include "renderer/win32/clock.h"
#include "renderer/win32/gl_scene_painter.h"
#include "renderer/win32/renderer_window.h"
#include "renderer/win32/scene_setup.h"

namespace {

using namespace orvane::renderer;
using namespace orvane::renderer::win32;

constexpr double kTurnSeconds = 0.5;
constexpr double kRefreshSeconds = 1.0 / 60;

// Frames drawn, time spent and processor time used by one kind of frame over all its turns.
struct Tally {
  int frames = 0;
  int missed = 0;
  double seconds = 0;
  double cpuSeconds = 0;
  double PerSecond() const { return seconds > 0 ? frames / seconds : 0; }
  double CpuShare() const { return seconds > 0 ? cpuSeconds / seconds : 0; }
};

double ProcessCpuSeconds() {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
  const auto seconds = [](const FILETIME& t) {
    return (static_cast<double>(t.dwHighDateTime) * 4294967296.0 + t.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

// One turn of `paint`, each frame due a refresh after the one before when `paced`; false when
// the window has closed.
bool Turn(const Clock& clock, const std::function<void(double)>& paint, bool paced, Tally& tally) {
  const double cpuStart = ProcessCpuSeconds();
  const double start = clock.Seconds();
  double now = start;
  for (double due = start; now - start < kTurnSeconds;) {
    if (!PumpMessages()) return false;
    paint(now);
    ++tally.frames;
    now = clock.Seconds();
    if (!paced) continue;
    due += kRefreshSeconds;
    if (now > due) {
      ++tally.missed;
      due = now;  // the next frame starts at once, a refresh late
    } else {
      // As the renderer waits: the rest of the refresh, rounded down to the millisecond.
      Sleep(static_cast<DWORD>((due - now) * 1000));
      now = clock.Seconds();
    }
  }
  tally.seconds += now - start;
  tally.cpuSeconds += ProcessCpuSeconds() - cpuStart;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
  const Clock clock;
  const orvane::platform::win32::FinerTimerPeriod finerPeriod;
  SceneAssets assets = LoadSceneAssets();
  RendererWindow window(GetModuleHandleW(nullptr), clock);
  const std::vector<SceneView> views = MonitorViews(window, assets.atlas.Variety());
  const auto painter = GlScenePainter::Create(window.Handle(), views, assets, false);
  if (!painter) {
    std::printf("no usable OpenGL\n");
    return 1;
  }
  std::printf("screen %dx%d over %zu monitors, model %s, glow texture %s\n", window.Width(), window.Height(), views.size(),
              assets.model ? "loaded" : "missing", assets.glow ? "loaded" : "missing");

  const auto clearOnly = [&](double) { painter->PaintClearOnly(); };
  const auto scene = [&](double now) { painter->Paint(now); };
  Tally clearFree, sceneFree, clearPaced, scenePaced;
  for (double spent = 0; spent < seconds; spent += kTurnSeconds) {
    if (!Turn(clock, clearOnly, false, clearFree) || !Turn(clock, scene, false, sceneFree) ||
        !Turn(clock, clearOnly, true, clearPaced) || !Turn(clock, scene, true, scenePaced)) {
      std::printf("the window was closed\n");
      return 1;
    }
  }
  const auto ratio = [](double a, double b) { return b > 0 ? a / b : 0.0; };
  std::printf("vsync off: clear-only %.1f fps, scene %.1f fps (%.2f of clear-only)\n", clearFree.PerSecond(),
              sceneFree.PerSecond(), ratio(sceneFree.PerSecond(), clearFree.PerSecond()));
  std::printf("paced at 60 Hz: clear-only %.0f%% of a core, %d of %d frames missed; scene %.0f%% of a core "
              "(%.2f times clear-only), %d of %d frames missed\n",
              100 * clearPaced.CpuShare(), clearPaced.missed, clearPaced.frames, 100 * scenePaced.CpuShare(),
              ratio(scenePaced.CpuShare(), clearPaced.CpuShare()), scenePaced.missed, scenePaced.frames);
  std::fflush(stdout);
  return 0;
}
