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
// The glow texture, wrapped round the model as the camera sees it, pulls the lit colour this
// far towards kSheenColour where it is brightest: surfaces facing the camera glow.
constexpr float kSheenStrength = 0.5f;
constexpr GLfloat kSheenColour[] = {0.85f, 0.9f, 1.0f, 1};
constexpr Colour kBlack{0, 0, 0, 1};
// The halo's disc: enough rings and spokes to follow the glow texture within a few levels.
constexpr int kHaloRings = 6;
constexpr int kHaloSpokes = 16;
// Parts of a model larger than any we would show are drawn corner by corner as they are, rather
// than held a second time as indexed corners.
constexpr std::size_t kLargestIndexedPart = 1 << 16;

GLubyte Channel(float value) { return static_cast<GLubyte>(std::clamp(value, 0.0f, 1.0f) * 255 + 0.5f); }

Colour Scaled(const Colour& c, float factor) { return {c.r * factor, c.g * factor, c.b * factor, 1}; }

GreyImage Dimmed(GreyImage image, float factor) {
  for (std::uint8_t& pixel : image.pixels) pixel = static_cast<std::uint8_t>(pixel * factor + 0.5f);
  return image;
}

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

std::unique_ptr<GlScenePainter> GlScenePainter::Create(HWND window, const std::vector<SceneView>& views,
                                                       const SceneAssets& assets, bool vsync) {
  if (views.empty()) return nullptr;
  std::unique_ptr<GlScenePainter> painter(new GlScenePainter(window, views, assets));
  if (!painter->SetUp(vsync)) return nullptr;
  return painter;
}

GlScenePainter::GlScenePainter(HWND window, const std::vector<SceneView>& views, const SceneAssets& assets)
    : dc_(window), views_(views), assets_(assets) {
  RECT client{};
  GetClientRect(window, &client);
  windowHeight_ = client.bottom;
  if (!assets_.model) return;
  fit_ = FitModel(*assets_.model);
  for (const ModelPart& part : assets_.model->parts) {
    modelMeshes_.push_back(part.triangles.size() <= kLargestIndexedPart ? Indexed(part.triangles) : IndexedMesh{});
  }
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

  gl.ClearColor(0, 0, 0, 1);
  gl.PixelStorei(GL_UNPACK_ALIGNMENT, 1);
  gl.TexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  gl.TexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, kSheenColour);
  gl.TexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
  gl.TexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
  gl.DepthFunc(GL_LEQUAL);
  gl.ShadeModel(GL_SMOOTH);

  GLint largestTexture = 0;
  gl.GetIntegerv(GL_MAX_TEXTURE_SIZE, &largestTexture);
  atlasTexture_ = Upload(assets_.atlas.image, true);
  stripTexture_ = Upload(StripImage(largestTexture), true);
  // A column's run of cells may go past the strip's end and carry on from its start.
  gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
  if (assets_.glow) {
    haloTriangles_ = HaloTriangles(*assets_.glow, kHaloRings, kHaloSpokes);
    sheenTexture_ = Upload(Dimmed(*assets_.glow, kSheenStrength), false);
  }
  SetUpLights();
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

// The glyph strips side by side, each strip's cells from the bottom up so that a column's
// glyphs stand upright as they go up; smaller still if the driver's largest texture is small.
GreyImage GlScenePainter::StripImage(GLint largestTexture) const {
  constexpr int kCellsAcross = std::max(GlyphRain::kStrips, GlyphRain::kStripLength);
  // The nearest glyphs are under 40 pixels tall even on a 1080-line screen: half-size cells
  // are sharp enough and keep the texture small, which software OpenGL samples faster.
  int cellPixels = GlyphAtlas::kCellPixels / 2;
  std::size_t level = 1;
  while (cellPixels > 1 && cellPixels * kCellsAcross > largestTexture) {
    cellPixels /= 2;
    ++level;
  }
  const std::vector<GreyImage> smaller = SmallerLevels(assets_.atlas.image);
  // The glyphs of the strips are the same whatever the view's shape.
  const GlyphRain& rain = views_.front().scene.Rain();
  return ArrangeCells(smaller[level - 1], cellPixels, GlyphRain::kStrips, GlyphRain::kStripLength,
                      [&](int strip, int row) {
                        const int glyph = rain.GlyphInStrip(strip, GlyphRain::kStripLength - 1 - row);
                        return assets_.atlas.usableCells[static_cast<std::size_t>(glyph)];
                      });
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
  // Only the model tests and writes depth: its depth is cleared where it can be, view by view.
  library_->Api().Clear(GL_COLOR_BUFFER_BIT);
  for (const SceneView& view : views_) PaintView(view, seconds);
  SwapBuffers(dc_.get());
}

void GlScenePainter::PaintView(const SceneView& sceneView, double seconds) {
  const GlApi& gl = library_->Api();
  const Scene& scene = sceneView.scene;
  const platform::Rect& area = sceneView.area;
  gl.Viewport(area.left, windowHeight_ - area.bottom, area.right - area.left, area.bottom - area.top);
  gl.MatrixMode(GL_PROJECTION);
  gl.LoadMatrixf(scene.Projection().m.data());
  gl.MatrixMode(GL_MODELVIEW);
  const Mat4 view = scene.View(seconds);
  gl.LoadMatrixf(view.m.data());

  // Software OpenGL pays for every pixel of every quad, so the light is laid down without
  // depth tests: the model's halo straight onto the black, the glyphs added to it. The model
  // comes last and covers what is behind it; the few columns in front of it are fading anyway.
  if (assets_.model && !haloTriangles_.empty()) DrawHalo(scene, seconds);
  gl.Enable(GL_TEXTURE_2D);
  gl.Enable(GL_BLEND);
  gl.BlendFunc(GL_ONE, GL_ONE);
  DrawLargeGlyphs(scene, seconds);
  DrawColumns(scene, seconds);
  gl.Disable(GL_BLEND);
  gl.Disable(GL_TEXTURE_2D);
  if (assets_.model) {
    const platform::Rect bounds = scene.ModelBounds(seconds);
    gl.Enable(GL_SCISSOR_TEST);
    gl.Scissor(area.left + bounds.left, windowHeight_ - area.top - bounds.bottom, bounds.right - bounds.left,
               bounds.bottom - bounds.top);
    gl.Clear(GL_DEPTH_BUFFER_BIT);
    gl.Disable(GL_SCISSOR_TEST);
    gl.Enable(GL_DEPTH_TEST);
    DrawModel(view * scene.ModelTransform(fit_, seconds));
    gl.Disable(GL_DEPTH_TEST);
  }
}

void GlScenePainter::PaintClearOnly() {
  library_->Api().Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  SwapBuffers(dc_.get());
}

void GlScenePainter::DrawModel(const Mat4& modelView) {
  const GlApi& gl = library_->Api();
  gl.LoadMatrixf(modelView.m.data());
  gl.Enable(GL_LIGHTING);
  if (sheenTexture_) {
    gl.Enable(GL_TEXTURE_2D);
    gl.BindTexture(GL_TEXTURE_2D, sheenTexture_);
    gl.Enable(GL_TEXTURE_GEN_S);
    gl.Enable(GL_TEXTURE_GEN_T);
    gl.TexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_BLEND);
  }
  // Its back faces are hidden behind its front ones. Its triangles wind clockwise as the
  // camera sees their fronts.
  gl.Enable(GL_CULL_FACE);
  gl.FrontFace(GL_CW);
  gl.EnableClientState(GL_VERTEX_ARRAY);
  gl.EnableClientState(GL_NORMAL_ARRAY);
  for (std::size_t p = 0; p < modelMeshes_.size(); ++p) {
    const IndexedMesh& mesh = modelMeshes_[p];
    const std::vector<ModelVertex>& corners = mesh.indices.empty() ? assets_.model->parts[p].triangles : mesh.corners;
    if (corners.empty()) continue;
    SetMaterial(gl, assets_.model->parts[p].material);
    gl.VertexPointer(3, GL_FLOAT, sizeof(ModelVertex), &corners[0].position);
    gl.NormalPointer(GL_FLOAT, sizeof(ModelVertex), &corners[0].normal);
    if (mesh.indices.empty()) {
      gl.DrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(corners.size()));
    } else {
      gl.DrawElements(GL_TRIANGLES, static_cast<GLsizei>(mesh.indices.size()), GL_UNSIGNED_INT, mesh.indices.data());
    }
  }
  gl.DisableClientState(GL_NORMAL_ARRAY);
  gl.DisableClientState(GL_VERTEX_ARRAY);
  gl.Disable(GL_CULL_FACE);
  if (sheenTexture_) {
    gl.TexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    gl.Disable(GL_TEXTURE_GEN_S);
    gl.Disable(GL_TEXTURE_GEN_T);
    gl.Disable(GL_TEXTURE_2D);
  }
  gl.Disable(GL_LIGHTING);
}

void GlScenePainter::AddQuad(const Vec3& centre, float width, float height, const TextureArea& area,
                             const Colour& bottom, const Colour& top) {
  const float x0 = centre.x - width / 2, x1 = centre.x + width / 2;
  const float y0 = centre.y - height / 2, y1 = centre.y + height / 2;
  const GLubyte r0 = Channel(bottom.r), g0 = Channel(bottom.g), b0 = Channel(bottom.b);
  const GLubyte r1 = Channel(top.r), g1 = Channel(top.g), b1 = Channel(top.b);
  vertices_.push_back({area.s0, area.t1, r0, g0, b0, 255, x0, y0, centre.z});
  vertices_.push_back({area.s1, area.t1, r0, g0, b0, 255, x1, y0, centre.z});
  vertices_.push_back({area.s1, area.t0, r1, g1, b1, 255, x1, y1, centre.z});
  vertices_.push_back({area.s0, area.t0, r1, g1, b1, 255, x0, y1, centre.z});
}

void GlScenePainter::DrawQuads(GLuint texture) {
  library_->Api().BindTexture(GL_TEXTURE_2D, texture);
  DrawVertices(GL_QUADS);
}

void GlScenePainter::DrawVertices(GLenum mode) {
  const GlApi& gl = library_->Api();
  gl.InterleavedArrays(GL_T2F_C4UB_V3F, 0, vertices_.data());
  gl.DrawArrays(mode, 0, static_cast<GLsizei>(vertices_.size()));
  // InterleavedArrays switched on the arrays it names.
  gl.DisableClientState(GL_TEXTURE_COORD_ARRAY);
  gl.DisableClientState(GL_COLOR_ARRAY);
  gl.DisableClientState(GL_VERTEX_ARRAY);
  vertices_.clear();
}

void GlScenePainter::DrawHalo(const Scene& scene, double seconds) {
  const Billboard halo = scene.Halo(seconds);
  for (const HaloCorner& corner : haloTriangles_) {
    const Colour c = Scaled(halo.colour, corner.brightness);
    vertices_.push_back({0, 0, Channel(c.r), Channel(c.g), Channel(c.b), 255, halo.centre.x + corner.x * halo.size,
                         halo.centre.y + corner.y * halo.size, halo.centre.z});
  }
  DrawVertices(GL_TRIANGLES);
}

void GlScenePainter::DrawLargeGlyphs(const Scene& scene, double seconds) {
  sprites_.clear();
  scene.Rain().AppendLargeGlyphs(seconds, sprites_);
  const float cell = 1.0f / GlyphAtlas::kCellsPerRow;
  for (const GlyphSprite& sprite : sprites_) {
    const int atlasCell = assets_.atlas.usableCells[static_cast<std::size_t>(sprite.glyph)];
    const float s0 = static_cast<float>(atlasCell % GlyphAtlas::kCellsPerRow) * cell;
    const float t0 = static_cast<float>(atlasCell / GlyphAtlas::kCellsPerRow) * cell;
    AddQuad(sprite.centre, sprite.size, sprite.size, {s0, t0, s0 + cell, t0 + cell}, sprite.colour, sprite.colour);
  }
  DrawQuads(atlasTexture_);
}

// Each column as two quads: its head, and its tail above it fading out as far as it is seen.
void GlScenePainter::DrawColumns(const Scene& scene, double seconds) {
  columns_.clear();
  scene.Rain().AppendColumns(seconds, columns_);
  constexpr float kSize = GlyphRain::kGlyphSize;
  constexpr float kCells = GlyphRain::kStripLength;
  for (const RainColumn& column : columns_) {
    const float s0 = static_cast<float>(column.strip) / GlyphRain::kStrips;
    const float s1 = static_cast<float>(column.strip + 1) / GlyphRain::kStrips;
    // Cell k of a strip is the k-th from the bottom of the texture: t = (cells - k) / cells at
    // its lower edge, and a run past the top carries on below t = 0.
    const float headBottom = (kCells - column.stripOffset) / kCells;
    const Colour head = GlyphRain::HeadColour(column);
    AddQuad(column.head, kSize, kSize, {s0, headBottom - 1 / kCells, s1, headBottom}, head, head);
    const int tail = GlyphRain::VisibleLength(column.length) - 1;
    const Vec3 tailCentre{column.head.x, column.head.y + kSize / 2 + tail * kSize / 2, column.head.z};
    const Colour tailBottom = Scaled(column.colour, GlyphRain::TailBrightness(1, column.length));
    AddQuad(tailCentre, kSize, tail * kSize, {s0, headBottom - (1 + tail) / kCells, s1, headBottom - 1 / kCells},
            tailBottom, kBlack);
  }
  DrawQuads(stripTexture_);
}

}  // namespace orvane::renderer::win32
