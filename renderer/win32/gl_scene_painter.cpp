#include "renderer/win32/gl_scene_painter.h"

#include <algorithm>

namespace orvane::renderer::win32 {
namespace {

using SwapIntervalFunction = BOOL(WINAPI*)(int);

constexpr GLfloat kAmbientLight[] = {0.16f, 0.16f, 0.2f, 1};
// In eye space: a white key light from the upper left and a blue rim light from behind.
constexpr GLfloat kKeyLightDirection[] = {-0.45f, 0.6f, 0.66f, 0};
constexpr GLfloat kKeyLightColour[] = {1, 1, 1, 1};
constexpr GLfloat kRimLightDirection[] = {0.6f, -0.25f, -0.76f, 0};
constexpr GLfloat kRimLightColour[] = {0.25f, 0.35f, 0.65f, 1};
// How strongly the glow texture, wrapped round the model as seen from the camera, lights it.
constexpr GLfloat kSheenColour[] = {0.42f, 0.45f, 0.6f, 1};

GLubyte Channel(float value) { return static_cast<GLubyte>(std::clamp(value, 0.0f, 1.0f) * 255 + 0.5f); }

void SetMaterial(const GlApi& gl, const Material& material) {
  const GLfloat diffuse[] = {material.diffuse.r, material.diffuse.g, material.diffuse.b, material.diffuse.a};
  const GLfloat specular[] = {material.specular.r, material.specular.g, material.specular.b, 1};
  const GLfloat emissive[] = {material.emissive.r, material.emissive.g, material.emissive.b, 1};
  gl.Materialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, diffuse);
  gl.Materialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
  gl.Materialfv(GL_FRONT_AND_BACK, GL_EMISSION, emissive);
  gl.Materialf(GL_FRONT_AND_BACK, GL_SHININESS, std::clamp(material.specularPower, 0.0f, 128.0f));
}

}  // namespace

std::unique_ptr<GlScenePainter> GlScenePainter::Create(HWND window, const Scene& scene,
                                                       const SceneAssets& assets, bool vsync) {
  std::unique_ptr<GlScenePainter> painter(new GlScenePainter(window, scene, assets));
  if (!painter->SetUp(vsync)) return nullptr;
  return painter;
}

GlScenePainter::GlScenePainter(HWND window, const Scene& scene, const SceneAssets& assets)
    : dc_(window), scene_(scene), assets_(assets) {
  if (assets_.model) fit_ = FitModel(*assets_.model);
}

GlScenePainter::~GlScenePainter() {
  if (!context_) return;
  library_->Api().MakeCurrent(nullptr, nullptr);
  library_->Api().DeleteContext(context_);
}

bool GlScenePainter::SetUp(bool vsync) {
  library_ = OpenGlLibrary::Load();
  if (!library_ || !dc_.get()) return false;
  const GlApi& gl = library_->Api();

  PIXELFORMATDESCRIPTOR wanted{};
  wanted.nSize = sizeof wanted;
  wanted.nVersion = 1;
  wanted.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
  wanted.iPixelType = PFD_TYPE_RGBA;
  wanted.cColorBits = 24;
  wanted.cDepthBits = 24;
  wanted.iLayerType = PFD_MAIN_PLANE;
  const int format = ChoosePixelFormat(dc_.get(), &wanted);
  if (format == 0 || !SetPixelFormat(dc_.get(), format, &wanted)) return false;
  context_ = gl.CreateContext(dc_.get());
  if (!context_) return false;
  if (!gl.MakeCurrent(dc_.get(), context_) || !gl.GetString(GL_VERSION)) return false;

  const auto swapInterval = reinterpret_cast<SwapIntervalFunction>(
      reinterpret_cast<void*>(gl.GetExtensionAddress("wglSwapIntervalEXT")));
  if (swapInterval) swapInterval(vsync ? 1 : 0);

  gl.Viewport(0, 0, scene_.Width(), scene_.Height());
  gl.ClearColor(0, 0, 0, 1);
  gl.PixelStorei(GL_UNPACK_ALIGNMENT, 1);
  gl.TexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  gl.DepthFunc(GL_LEQUAL);
  gl.ShadeModel(GL_SMOOTH);
  atlasTexture_ = Upload(assets_.atlas.image, true);
  if (assets_.glow) glowTexture_ = Upload(*assets_.glow, false);
  SetUpLights();
  gl.MatrixMode(GL_PROJECTION);
  gl.LoadMatrixf(scene_.Projection().m.data());
  gl.MatrixMode(GL_MODELVIEW);
  return gl.GetError() == GL_NO_ERROR;
}

GLuint GlScenePainter::Upload(const GreyImage& image, bool withMipmaps) {
  const GlApi& gl = library_->Api();
  GLuint texture = 0;
  gl.GenTextures(1, &texture);
  gl.BindTexture(GL_TEXTURE_2D, texture);
  gl.TexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE, image.width, image.height, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE,
                image.pixels.data());
  if (withMipmaps) {
    // Distant glyphs are a few pixels tall; without smaller levels they shimmer.
    GLint level = 0;
    for (const GreyImage& smaller : SmallerLevels(image)) {
      gl.TexImage2D(GL_TEXTURE_2D, ++level, GL_LUMINANCE, smaller.width, smaller.height, 0, GL_LUMINANCE,
                    GL_UNSIGNED_BYTE, smaller.pixels.data());
    }
  }
  gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, withMipmaps ? GL_LINEAR_MIPMAP_NEAREST : GL_LINEAR);
  gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
  gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
  return texture;
}

void GlScenePainter::SetUpLights() {
  const GlApi& gl = library_->Api();
  // Light directions are fixed to the camera: set with an identity model-view matrix.
  gl.MatrixMode(GL_MODELVIEW);
  gl.LoadMatrixf(Mat4().m.data());
  gl.LightModelfv(GL_LIGHT_MODEL_AMBIENT, kAmbientLight);
  gl.Lightfv(GL_LIGHT0, GL_POSITION, kKeyLightDirection);
  gl.Lightfv(GL_LIGHT0, GL_DIFFUSE, kKeyLightColour);
  gl.Lightfv(GL_LIGHT0, GL_SPECULAR, kKeyLightColour);
  gl.Lightfv(GL_LIGHT1, GL_POSITION, kRimLightDirection);
  gl.Lightfv(GL_LIGHT1, GL_DIFFUSE, kRimLightColour);
  gl.Enable(GL_LIGHT0);
  gl.Enable(GL_LIGHT1);
  // The model is scaled to fit, which would scale its normals too.
  gl.Enable(GL_NORMALIZE);
}

void GlScenePainter::Paint(double seconds) {
  const GlApi& gl = library_->Api();
  gl.Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  const Mat4 view = scene_.View(seconds);

  // The model first, so that it hides the glyphs behind it; everything after it only adds light.
  gl.Enable(GL_DEPTH_TEST);
  if (assets_.model) DrawModel(view * scene_.ModelTransform(fit_, seconds));
  gl.DepthMask(GL_FALSE);
  gl.Enable(GL_BLEND);
  gl.BlendFunc(GL_ONE, GL_ONE);
  gl.Enable(GL_TEXTURE_2D);
  if (assets_.model && glowTexture_) DrawModelSheen();
  gl.LoadMatrixf(view.m.data());
  if (glowTexture_) DrawHalo(seconds);
  DrawGlyphs(seconds);
  gl.Disable(GL_TEXTURE_2D);
  gl.Disable(GL_BLEND);
  gl.DepthMask(GL_TRUE);
  SwapBuffers(dc_.get());
}

void GlScenePainter::PaintClearOnly() {
  library_->Api().Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  SwapBuffers(dc_.get());
}

void GlScenePainter::DrawModel(const Mat4& modelView) {
  const GlApi& gl = library_->Api();
  gl.LoadMatrixf(modelView.m.data());
  gl.Enable(GL_LIGHTING);
  DrawModelParts(true);
  gl.Disable(GL_LIGHTING);
}

// The glow texture as a sphere map: surfaces facing the camera light up, the outline stays dark.
// Runs with the model's matrix still in place from DrawModel.
void GlScenePainter::DrawModelSheen() {
  const GlApi& gl = library_->Api();
  gl.BindTexture(GL_TEXTURE_2D, glowTexture_);
  gl.TexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
  gl.TexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
  gl.Enable(GL_TEXTURE_GEN_S);
  gl.Enable(GL_TEXTURE_GEN_T);
  gl.Color4f(kSheenColour[0], kSheenColour[1], kSheenColour[2], kSheenColour[3]);
  DrawModelParts(false);
  gl.Disable(GL_TEXTURE_GEN_S);
  gl.Disable(GL_TEXTURE_GEN_T);
}

void GlScenePainter::DrawModelParts(bool withMaterials) {
  const GlApi& gl = library_->Api();
  gl.EnableClientState(GL_VERTEX_ARRAY);
  gl.EnableClientState(GL_NORMAL_ARRAY);
  for (const ModelPart& part : assets_.model->parts) {
    if (withMaterials) SetMaterial(gl, part.material);
    gl.VertexPointer(3, GL_FLOAT, sizeof(ModelVertex), &part.triangles[0].position);
    gl.NormalPointer(GL_FLOAT, sizeof(ModelVertex), &part.triangles[0].normal);
    gl.DrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(part.triangles.size()));
  }
  gl.DisableClientState(GL_NORMAL_ARRAY);
  gl.DisableClientState(GL_VERTEX_ARRAY);
}

void GlScenePainter::AddQuad(const Billboard& billboard, float s0, float t0, float s1, float t1) {
  const float half = billboard.size / 2;
  const Vec3& c = billboard.centre;
  const GLubyte r = Channel(billboard.colour.r), g = Channel(billboard.colour.g), b = Channel(billboard.colour.b);
  vertices_.push_back({s0, t1, r, g, b, 255, c.x - half, c.y - half, c.z});
  vertices_.push_back({s1, t1, r, g, b, 255, c.x + half, c.y - half, c.z});
  vertices_.push_back({s1, t0, r, g, b, 255, c.x + half, c.y + half, c.z});
  vertices_.push_back({s0, t0, r, g, b, 255, c.x - half, c.y + half, c.z});
}

void GlScenePainter::DrawHalo(double seconds) {
  const GlApi& gl = library_->Api();
  vertices_.clear();
  AddQuad(scene_.Halo(seconds), 0, 0, 1, 1);
  gl.BindTexture(GL_TEXTURE_2D, glowTexture_);
  gl.InterleavedArrays(GL_T2F_C4UB_V3F, 0, vertices_.data());
  gl.DrawArrays(GL_QUADS, 0, static_cast<GLsizei>(vertices_.size()));
}

void GlScenePainter::DrawGlyphs(double seconds) {
  const GlApi& gl = library_->Api();
  sprites_.clear();
  scene_.AppendGlyphs(seconds, sprites_);
  vertices_.clear();
  const float cell = 1.0f / GlyphAtlas::kCellsPerRow;
  for (const GlyphSprite& sprite : sprites_) {
    const int atlasCell = assets_.atlas.usableCells[static_cast<std::size_t>(sprite.glyph)];
    const float s0 = static_cast<float>(atlasCell % GlyphAtlas::kCellsPerRow) * cell;
    const float t0 = static_cast<float>(atlasCell / GlyphAtlas::kCellsPerRow) * cell;
    AddQuad(sprite, s0, t0, s0 + cell, t0 + cell);
  }
  gl.BindTexture(GL_TEXTURE_2D, atlasTexture_);
  gl.InterleavedArrays(GL_T2F_C4UB_V3F, 0, vertices_.data());
  gl.DrawArrays(GL_QUADS, 0, static_cast<GLsizei>(vertices_.size()));
  // InterleavedArrays switched on the arrays it names.
  gl.DisableClientState(GL_TEXTURE_COORD_ARRAY);
  gl.DisableClientState(GL_COLOR_ARRAY);
  gl.DisableClientState(GL_VERTEX_ARRAY);
}

}  // namespace orvane::renderer::win32
