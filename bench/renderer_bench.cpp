// Frame rates of the renderer's scene with vsync off, over every monitor:
//   renderer_bench [SECONDS]
// Measures frames that are only cleared and shown (the baseline: what the driver and the copy
// to the screen cost) and frames of the full scene, SECONDS of each (10 by default), in
// alternating half-second turns so that both see the same load from whatever else runs, and
// prints the frames per second of each and their ratio.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "renderer/win32/clock.h"
#include "renderer/win32/gl_scene_painter.h"
#include "renderer/win32/renderer_window.h"
#include "renderer/win32/scene_setup.h"

namespace {

using namespace orvane::renderer;
using namespace orvane::renderer::win32;

constexpr double kTurnSeconds = 0.5;

// Frames drawn and time spent by one kind of frame over all its turns.
struct Tally {
  int frames = 0;
  double seconds = 0;
  double PerSecond() const { return seconds > 0 ? frames / seconds : 0; }
};

// One turn of `paint`; false when the window has closed.
bool Turn(const Clock& clock, const std::function<void(double)>& paint, Tally& tally) {
  const double start = clock.Seconds();
  double now = start;
  while (now - start < kTurnSeconds) {
    if (!PumpMessages()) return false;
    paint(now);
    ++tally.frames;
    now = clock.Seconds();
  }
  tally.seconds += now - start;
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
  const Clock clock;
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

  Tally clearOnly, sceneFrames;
  for (double spent = 0; spent < seconds; spent += kTurnSeconds) {
    if (!Turn(clock, [&](double) { painter->PaintClearOnly(); }, clearOnly) ||
        !Turn(clock, [&](double now) { painter->Paint(now); }, sceneFrames)) {
      std::printf("the window was closed\n");
      return 1;
    }
  }
  std::printf("clear-only: %.1f fps\n", clearOnly.PerSecond());
  std::printf("scene: %.1f fps (%.2f of clear-only)\n", sceneFrames.PerSecond(),
              clearOnly.PerSecond() > 0 ? sceneFrames.PerSecond() / clearOnly.PerSecond() : 0.0);
  std::fflush(stdout);
  return 0;
}
