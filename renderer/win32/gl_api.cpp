#include "renderer/win32/gl_api.h"

namespace orvane::renderer::win32 {
namespace {

template <typename Function>
bool Resolve(HMODULE module, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
  return function != nullptr;
}

}  // namespace

std::unique_ptr<OpenGlLibrary> OpenGlLibrary::Load() {
  std::unique_ptr<OpenGlLibrary> library(new OpenGlLibrary());
  library->module_.reset(LoadLibraryExW(L"opengl32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
  const HMODULE module = library->module_.get();
  if (!module) return nullptr;
  GlApi& gl = library->api_;
  const bool complete =
      Resolve(module, "wglCreateContext", gl.CreateContext) &&
      Resolve(module, "wglDeleteContext", gl.DeleteContext) &&
      Resolve(module, "wglMakeCurrent", gl.MakeCurrent) &&
      Resolve(module, "wglGetProcAddress", gl.GetExtensionAddress) &&
      Resolve(module, "glBindTexture", gl.BindTexture) && Resolve(module, "glBlendFunc", gl.BlendFunc) &&
      Resolve(module, "glClear", gl.Clear) && Resolve(module, "glClearColor", gl.ClearColor) &&
      Resolve(module, "glDepthFunc", gl.DepthFunc) && Resolve(module, "glDisable", gl.Disable) &&
      Resolve(module, "glDisableClientState", gl.DisableClientState) &&
      Resolve(module, "glDrawArrays", gl.DrawArrays) && Resolve(module, "glDrawElements", gl.DrawElements) &&
      Resolve(module, "glEnable", gl.Enable) &&
      Resolve(module, "glEnableClientState", gl.EnableClientState) &&
      Resolve(module, "glFrontFace", gl.FrontFace) &&
      Resolve(module, "glGenTextures", gl.GenTextures) && Resolve(module, "glGetError", gl.GetError) &&
      Resolve(module, "glGetIntegerv", gl.GetIntegerv) &&
      Resolve(module, "glGetString", gl.GetString) &&
      Resolve(module, "glInterleavedArrays", gl.InterleavedArrays) &&
      Resolve(module, "glLightModelfv", gl.LightModelfv) && Resolve(module, "glLightfv", gl.Lightfv) &&
      Resolve(module, "glLoadMatrixf", gl.LoadMatrixf) && Resolve(module, "glMaterialf", gl.Materialf) &&
      Resolve(module, "glMaterialfv", gl.Materialfv) && Resolve(module, "glMatrixMode", gl.MatrixMode) &&
      Resolve(module, "glNormalPointer", gl.NormalPointer) &&
      Resolve(module, "glPixelStorei", gl.PixelStorei) && Resolve(module, "glScissor", gl.Scissor) &&
      Resolve(module, "glShadeModel", gl.ShadeModel) &&
      Resolve(module, "glTexEnvfv", gl.TexEnvfv) && Resolve(module, "glTexEnvi", gl.TexEnvi) &&
      Resolve(module, "glTexGeni", gl.TexGeni) &&
      Resolve(module, "glTexImage2D", gl.TexImage2D) && Resolve(module, "glTexParameteri", gl.TexParameteri) &&
      Resolve(module, "glVertexPointer", gl.VertexPointer) && Resolve(module, "glViewport", gl.Viewport);
  return complete ? std::move(library) : nullptr;
}

}  // namespace orvane::renderer::win32
