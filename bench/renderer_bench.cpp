// The cost of the renderer's scene, over every monitor:
//   renderer_bench [SECONDS [PEER_FPS PEER_SHARE]]
// Against frames that are only cleared and shown (the baseline: what the driver and the copy
// to the screen cost), the same run measures the full scene, SECONDS of each kind of turn (10
// by default), in alternating half-second turns so that all see the same load from whatever
// else runs:
//  - with vsync off, as many frames as can be drawn: frames per second, and their ratio;
//  - paced at 60 Hz: the processor time of every thread per second of screen time, and the
//    frames that missed their refresh;
//  - paced at PEER_FPS, the rate the peer it is compared with draws at, where one is given
//    (with PEER_SHARE, the share of a core the peer used at that rate);
//  - as shipped: paced as the renderer paces itself, at the display's refresh or a fraction of it,
//    once that pace has settled.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>

#include "platform/win32/finer_timer_period.h"
#include "renderer/scene/frame_pace.h"
#include "renderer/win32/clock.h"
#include "renderer/win32/gl_scene_painter.h"
#include "renderer/win32/renderer_window.h"
#include "renderer/win32/scene_setup.h"

namespace {

using namespace orvane::renderer;
using namespace orvane::renderer::win32;

constexpr double kTurnSeconds = 0.5;
// The renderer's pace settles within its first couple of seconds; what a run of hours costs is
// measured after that.
constexpr double kSettleSeconds = 3;

// Frames drawn, time spent and processor time used by one kind of frame over all its turns.
struct Tally {
  int frames = 0;
  int missed = 0;
  double seconds = 0;
  double cpuSeconds = 0;
  double PerSecond() const { return seconds > 0 ? frames / seconds : 0; }
  double CpuShare() const { return seconds > 0 ? cpuSeconds / seconds : 0; }
};

// How a turn paces its frames: `begin` at its start, and after each frame drawn at `now`, how
// long to wait, or a negative number when the frame missed its time.
struct Pacing {
  std::function<void(double now)> begin;
  std::function<double(double now)> after;
};

// Each frame due `interval` after the one before; a frame too late starts the count afresh.
Pacing FixedPace(double interval) {
  auto due = std::make_shared<double>();
  return {[=](double now) { *due = now; },
          [=](double now) {
            *due += interval;
            if (now <= *due) return *due - now;
            *due = now;
            return -1.0;
          }};
}

// As the renderer paces itself, on a clock and a processor time that run only in its own
// turns, so that it measures its own frames alone.
Pacing ShippedPace(FramePace& pace) {
  struct Time {
    double turnStart = 0, processorAtTurnStart = 0;
    double elapsed = 0, processor = 0, lastWait = 0;  // own time up to the last frame
    double base = 0, processorBase = 0;               // own time at the turn's start
  };
  auto time = std::make_shared<Time>();
  return {[=](double now) {
            time->turnStart = now;
            time->processorAtTurnStart = ProcessorSeconds();
            time->base = time->elapsed + time->lastWait;
            time->processorBase = time->processor;
          },
          [=, &pace](double now) {
            time->elapsed = time->base + now - time->turnStart;
            time->processor = time->processorBase + ProcessorSeconds() - time->processorAtTurnStart;
            const int late = pace.LateFrames();
            time->lastWait = pace.AfterFrame(time->elapsed, time->processor) / 1000.0;
            return pace.LateFrames() > late ? -1.0 : time->lastWait;
          }};
}

// One turn of `paint`, paced by `pacing` unless it is empty; false when the window has closed.
bool Turn(const Clock& clock, const std::function<void(double)>& paint, const Pacing& pacing, Tally& tally) {
  const double cpuStart = ProcessorSeconds();
  const double start = clock.Seconds();
  double now = start;
  if (pacing.after) pacing.begin(now);
  while (now - start < kTurnSeconds) {
    if (!PumpMessages()) return false;
    paint(now);
    ++tally.frames;
    now = clock.Seconds();
    if (!pacing.after) continue;
    const double wait = pacing.after(now);
    if (wait < 0) {
      ++tally.missed;
    } else {
      // As the renderer waits: rounded down to the millisecond.
      Sleep(static_cast<DWORD>(wait * 1000));
      now = clock.Seconds();
    }
  }
  tally.seconds += now - start;
  tally.cpuSeconds += ProcessorSeconds() - cpuStart;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
  const double peerFps = argc > 3 ? std::atof(argv[2]) : 0.0;
  const double peerShare = argc > 3 ? std::atof(argv[3]) : 0.0;
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
  FramePace shippedPace(DisplayRefreshRate());
  const Pacing sixtyHz = FixedPace(1.0 / 60), peerRate = peerFps > 0 ? FixedPace(1 / peerFps) : Pacing{};
  const Pacing shipped = ShippedPace(shippedPace);
  Tally clearFree, sceneFree, clearPaced, scenePaced, sceneAtPeerRate, sceneShipped, settling;
  for (double spent = 0; spent < kSettleSeconds; spent += kTurnSeconds) {
    if (!Turn(clock, scene, shipped, settling)) return 1;
  }
  for (double spent = 0; spent < seconds; spent += kTurnSeconds) {
    if (!Turn(clock, clearOnly, {}, clearFree) || !Turn(clock, scene, {}, sceneFree) ||
        !Turn(clock, clearOnly, sixtyHz, clearPaced) || !Turn(clock, scene, sixtyHz, scenePaced) ||
        (peerRate.after && !Turn(clock, scene, peerRate, sceneAtPeerRate)) ||
        !Turn(clock, scene, shipped, sceneShipped)) {
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
  if (peerRate.after) {
    std::printf("at the peer's rate (%.1f fps): scene %.0f%% of a core, peer %.0f%% (%.2f of the peer)\n", peerFps,
                100 * sceneAtPeerRate.CpuShare(), 100 * peerShare, ratio(sceneAtPeerRate.CpuShare(), peerShare));
  }
  std::printf("as shipped: scene %.0f%% of a core at %.1f fps, %d of %d frames missed", 100 * sceneShipped.CpuShare(),
              sceneShipped.PerSecond(), sceneShipped.missed, sceneShipped.frames);
  if (peerRate.after) std::printf("; peer %.0f%% at %.1f fps", 100 * peerShare, peerFps);
  std::printf("\n");
  std::fflush(stdout);
  return 0;
}
