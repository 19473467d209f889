// The renderer: the 3-D scene the screen saver shows after its split effect. The saver starts
// it with its own full path as the whole command line (unquoted, so it may hold blanks), so
// there is nothing to read there; its inputs are the two files the saver staged.
#include <windows.h>

#include <optional>

#include "platform/win32/dpi_awareness.h"
#include "platform/win32/finer_timer_period.h"
#include "platform/win32/system_function.h"
#include "renderer/scene/frame_pace.h"
#include "renderer/win32/clock.h"
#include "renderer/win32/renderer_window.h"
#include "renderer/win32/scene_setup.h"

namespace {

int RunScene(HINSTANCE instance) {
  using namespace orvane::renderer;
  using namespace orvane::renderer::win32;

  // A saver should cost the machine's other work as little as it can, whoever started it.
  SetPriorityClass(GetCurrentProcess(), BELOW_NORMAL_PRIORITY_CLASS);
  // Its window and views in each monitor's own pixels, as the saver's.
  orvane::platform::win32::UsePhysicalPixels();
  // Sleep() waits to the millisecond only while a finer timer period is asked for, which the
  // system pays for in wake-ups: it is asked for only while the scene is drawn.
  std::optional<orvane::platform::win32::FinerTimerPeriod> finerPeriod;
  const Clock clock;
  const SceneAssets assets = LoadSceneAssets();
  RendererWindow window(instance, clock);
  if (!window.Handle()) return 1;
  const std::vector<SceneView> views = MonitorViews(window, assets.atlas.Variety());
  const std::unique_ptr<ScenePainter> painter = CreateScenePainter(window.Handle(), views, assets);
  FramePace pace(DisplayRefreshRate());

  const double start = clock.Seconds();
  while (PumpMessages()) {
    // While nobody can see it, the scene waits for the message that changes that; then it
    // goes on where the clock says.
    while (!window.SceneSeen()) {
      finerPeriod.reset();
      if (!WaitForMessage()) return 0;
    }
    if (!finerPeriod) finerPeriod.emplace();
    if (painter) painter->Paint(clock.Seconds() - start);
    Sleep(static_cast<DWORD>(pace.AfterFrame(clock.Seconds(), ProcessorSeconds())));
  }
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  orvane::platform::win32::LoadDllsFromSystemFolderOnly();
  try {
    return RunScene(instance);
  } catch (...) {
    // The unwinding destroyed the window, and with it went the saver's run.
    return 1;
  }
}
