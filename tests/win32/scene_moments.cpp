// Shows the renderer's scene at fixed moments, for the end-to-end test that compares them with
// reference pictures:  scene_moments SECONDS...
// Over every monitor, with the files staged in C:\v_orim, it paints the scene as the renderer
// does at each moment, again and again until a WM_USER is posted to its window. Once the moment
// has been shown twice, so that both of the window's buffers hold it whether a swap copies or
// flips them, it reads the back buffer and prints "shown SECONDS as DIGEST" (PixelDigest, in
// hex): the screen shows that moment once it shows pixels of that digest. (The front buffer
// reads back black under Wine.)
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <vector>

#include "pixel_digest.h"
#include "renderer/win32/clock.h"
#include "renderer/win32/gl_scene_painter.h"
#include "renderer/win32/renderer_window.h"
#include "renderer/win32/scene_setup.h"

namespace {

// The digest of the window's pixels as OpenGL's back buffer holds them, its rows from the bottom.
unsigned long long ShownDigest(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const int width = client.right, height = client.bottom;
  std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  orvane::e2e::PixelDigest digest;
  for (int y = height - 1; y >= 0; --y) {
    for (std::size_t i = 0; i < std::size_t(width) * 3; ++i) digest.Add(pixels[std::size_t(y) * width * 3 + i]);
  }
  return digest.value;
}

}  // namespace

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
    bool next = false;
    for (int painted = 1; !next; ++painted, Sleep(50)) {
      painter->Paint(std::wcstod(argv[i], nullptr));
      if (painted == 2) {
        std::printf("shown %ls as %016llx\n", argv[i], ShownDigest(window.Handle()));
        std::fflush(stdout);
      }
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
