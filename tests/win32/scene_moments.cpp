// Shows the renderer's scene at fixed moments, for the end-to-end test that compares them with
// reference pictures:  scene_moments FOLDER SECONDS...
// Over every monitor, with the files staged in C:\v_orim, it paints the scene as the renderer
// does at each moment, again and again until a WM_USER is posted to its window. Once the moment
// has been shown twice, so that both of the window's buffers hold it whether a swap copies or
// flips them, it writes the back buffer's pixels to FOLDER\SECONDS.rgb (red, green and blue a
// pixel, rows from the top) and prints "shown SECONDS": the screen shows that moment once it
// shows exactly those pixels. (The front buffer reads back black under Wine.)
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "renderer/win32/clock.h"
#include "renderer/win32/gl_scene_painter.h"
#include "renderer/win32/renderer_window.h"
#include "renderer/win32/scene_setup.h"

namespace {

void SaveShownPixels(HWND window, const std::wstring& file) {
  RECT client{};
  GetClientRect(window, &client);
  const std::size_t row = std::size_t(client.right) * 3;
  std::vector<char> pixels(row * client.bottom);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, client.right, client.bottom, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
  // OpenGL's first row is the bottom one.
  std::ofstream out(std::filesystem::path(file), std::ios::binary);
  for (std::size_t y = client.bottom; y-- > 0;) out.write(pixels.data() + y * row, std::streamsize(row));
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
  if (!painter || !assets.model || !assets.glow || argc < 2) {
    std::puts("no OpenGL, model or glow texture, or no folder");
    return 1;
  }
  for (int i = 2; i < argc; ++i) {
    // Painted again and again, as the window may not show yet when a frame is first painted.
    bool next = false;
    for (int painted = 1; !next; ++painted, Sleep(50)) {
      painter->Paint(std::wcstod(argv[i], nullptr));
      if (painted == 2) {
        SaveShownPixels(window.Handle(), std::wstring(argv[1]) + L"\\" + argv[i] + L".rgb");
        std::printf("shown %ls\n", argv[i]);
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
