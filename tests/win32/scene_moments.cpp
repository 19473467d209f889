// Shows the renderer's scene at fixed moments, for the end-to-end test that compares them with
// reference pictures:  scene_moments SECONDS...
// Over every monitor, with the files staged in C:\v_orim, it paints the scene as the renderer
// does at each moment, prints "shown SECONDS" and shows it until a WM_USER is posted to its window.
#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "renderer/win32/clock.h"
#include "renderer/win32/gl_scene_painter.h"
#include "renderer/win32/renderer_window.h"
#include "renderer/win32/scene_setup.h"

int wmain(int argc, wchar_t** argv) {
  using namespace orvane::renderer;
  using namespace orvane::renderer::win32;
  const Clock clock;
  const SceneAssets assets = LoadSceneAssets();
  RendererWindow window(GetModuleHandleW(nullptr), clock);
  const std::vector<SceneView> views = MonitorViews(window, assets.atlas.Variety());
  const auto painter = GlScenePainter::Create(window.Handle(), views, assets, false);
  if (!painter || !assets.model || !assets.glow) {
    std::puts("no OpenGL, model or glow texture");
    return 1;
  }
  for (int i = 1; i < argc; ++i) {
    // Painted again and again, as the window may not show yet when a frame is first painted.
    std::printf("shown %ls\n", argv[i]);
    std::fflush(stdout);
    for (bool next = false; !next; Sleep(50)) {
      painter->Paint(std::wcstod(argv[i], nullptr));
      MSG message;
      while (!next && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) return 1;
        next = message.message == WM_USER;
        DispatchMessageW(&message);
      }
    }
  }
  return 0;
}
