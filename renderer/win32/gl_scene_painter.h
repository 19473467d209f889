#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/win32/handles.h"
#include "renderer/scene/scene.h"
#include "renderer/win32/gl_api.h"
#include "renderer/win32/scene_painter.h"

namespace orvane::renderer::win32 {

// The scene in OpenGL 1.1: the lit model, its glow and the glyph rain added on top.
class GlScenePainter final : public ScenePainter {
 public:
  // Empty when OpenGL cannot draw into `window`. With `vsync` each frame waits for the display
  // where the driver offers that.
  static std::unique_ptr<GlScenePainter> Create(HWND window, const Scene& scene, const SceneAssets& assets,
                                                bool vsync);
  ~GlScenePainter() override;

  void Paint(double seconds) override;
  // A frame that is only cleared and shown: the benchmark's baseline.
  void PaintClearOnly();

 private:
  // The layout glInterleavedArrays calls GL_T2F_C4UB_V3F.
  struct SpriteVertex {
    GLfloat s, t;
    GLubyte r, g, b, a;
    GLfloat x, y, z;
  };

  GlScenePainter(HWND window, const Scene& scene, const SceneAssets& assets);
  bool SetUp(bool vsync);
  GLuint Upload(const GreyImage& image, bool withMipmaps);
  void SetUpLights();
  void DrawModel(const Mat4& modelView);
  void DrawModelSheen();
  void DrawModelParts(bool withMaterials);
  void DrawHalo(double seconds);
  void DrawGlyphs(double seconds);
  void AddQuad(const Billboard& billboard, float s0, float t0, float s1, float t1);

  platform::win32::WindowDC dc_;
  std::unique_ptr<OpenGlLibrary> library_;
  HGLRC context_ = nullptr;
  const Scene& scene_;
  const SceneAssets& assets_;
  ModelFit fit_;
  GLuint atlasTexture_ = 0;
  GLuint glowTexture_ = 0;
  std::vector<GlyphSprite> sprites_;
  std::vector<SpriteVertex> vertices_;
};

}  // namespace orvane::renderer::win32
