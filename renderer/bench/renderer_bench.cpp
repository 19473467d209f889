// Frame rates of the renderer's scene with vsync off, over the whole primary screen:
//   renderer_bench [SECONDS]
// Runs frames that are only cleared and shown (the baseline: what the driver and the copy to
// the screen cost), then the full scene, each for SECONDS (5 by default), and prints frames
// per second and their ratio.
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

// Frames per second of `paint` over `seconds`; 0 when the window closed first.
double FramesPerSecond(const Clock& clock, double seconds, const std::function<void(double)>& paint) {
  const double start = clock.Seconds();
  int frames = 0;
  for (double now = start; now - start < seconds; now = clock.Seconds()) {
    if (!PumpMessages()) return 0;
    paint(now);
    ++frames;
  }
  return frames / (clock.Seconds() - start);
}

}  // namespace

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 5.0;
  const Clock clock;
  SceneAssets assets = LoadSceneAssets();
  RendererWindow window(GetModuleHandleW(nullptr), clock);
  const Scene scene(window.Width(), window.Height(), assets.atlas.Variety());
  const auto painter = GlScenePainter::Create(window.Handle(), scene, assets, false);
  if (!painter) {
    std::printf("no usable OpenGL\n");
    return 1;
  }
  std::printf("screen %dx%d, model %s, glow texture %s\n", window.Width(), window.Height(),
              assets.model ? "loaded" : "missing", assets.glow ? "loaded" : "missing");

  const double clearOnly = FramesPerSecond(clock, seconds, [&](double) { painter->PaintClearOnly(); });
  const double full = FramesPerSecond(clock, seconds, [&](double now) { painter->Paint(now); });
  std::printf("clear-only: %.1f fps\n", clearOnly);
  std::printf("scene: %.1f fps (%.2f of clear-only)\n", full, clearOnly > 0 ? full / clearOnly : 0.0);
  std::fflush(stdout);
  return 0;
}
