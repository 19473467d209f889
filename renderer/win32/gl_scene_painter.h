#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/win32/handles.h"
#include "renderer/scene/halo_fan.h"
#include "renderer/scene/indexed_mesh.h"
#include "renderer/scene/scene.h"
#include "renderer/win32/gl_api.h"
#include "renderer/win32/scene_painter.h"

namespace orvane::renderer::win32 {

// The scene in OpenGL 1.1: the glow texture as a halo, the glyph rain added to it, and the lit
// model in front with the glow texture as its sheen. Software OpenGL pays for each quad and
// each pixel it covers, so a frame is kept to a few hundred quads: a rain column is two quads
// cut from a texture of glyph strips rather than one quad per glyph.
class GlScenePainter final : public ScenePainter {
 public:
  // Empty when OpenGL cannot draw into `window`. With `vsync` each frame waits for the display
  // where the driver offers that.
  static std::unique_ptr<GlScenePainter> Create(HWND window, const std::vector<SceneView>& views,
                                                const SceneAssets& assets, bool vsync);
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
  // A quad's corners in the texture: t0 at its top edge, t1 at its bottom edge.
  struct TextureArea {
    float s0, t0, s1, t1;
  };

  GlScenePainter(HWND window, const std::vector<SceneView>& views, const SceneAssets& assets);
  bool SetUp(bool vsync);
  GLuint Upload(const GreyImage& image, bool withMipmaps);
  GreyImage StripImage(GLint largestTexture) const;
  void SetUpLights();
  void DrawModel(const Mat4& modelView);
  void PaintView(const SceneView& view, double seconds);
  void DrawHalo(const Scene& scene, double seconds);
  void DrawLargeGlyphs(const Scene& scene, double seconds);
  void DrawColumns(const Scene& scene, double seconds);
  void DrawQuads(GLuint texture);
  // Draws and empties vertices_.
  void DrawVertices(GLenum mode);
  void AddQuad(const Vec3& centre, float width, float height, const TextureArea& area, const Colour& bottom,
               const Colour& top);

  platform::win32::WindowDC dc_;
  std::unique_ptr<OpenGlLibrary> library_;
  HGLRC context_ = nullptr;
  const std::vector<SceneView>& views_;
  // The window's client height: OpenGL counts viewport rows from the bottom.
  int windowHeight_ = 0;
  const SceneAssets& assets_;
  ModelFit fit_;
  // The model's parts in their order, indexed; empty for a part too large to be held twice.
  std::vector<IndexedMesh> modelMeshes_;
  GLuint atlasTexture_ = 0;
  GLuint stripTexture_ = 0;
  GLuint sheenTexture_ = 0;
  std::vector<HaloCorner> haloTriangles_;
  std::vector<GlyphSprite> sprites_;
  std::vector<RainColumn> columns_;
  std::vector<SpriteVertex> vertices_;
};

}  // namespace orvane::renderer::win32
