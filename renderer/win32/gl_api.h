#pragma once

#include <windows.h>
#include <GL/gl.h>

#include <memory>

#include "platform/win32/handles.h"

namespace orvane::renderer::win32 {

// The OpenGL 1.1 entry points the scene uses, taken from opengl32.dll at run time rather than
// linked: a system where the library is missing or unusable still starts the renderer, which
// then draws with GDI instead.
struct GlApi {
  decltype(&::wglCreateContext) CreateContext = nullptr;
  decltype(&::wglDeleteContext) DeleteContext = nullptr;
  decltype(&::wglMakeCurrent) MakeCurrent = nullptr;
  decltype(&::wglGetProcAddress) GetExtensionAddress = nullptr;

  decltype(&::glBindTexture) BindTexture = nullptr;
  decltype(&::glBlendFunc) BlendFunc = nullptr;
  decltype(&::glClear) Clear = nullptr;
  decltype(&::glClearColor) ClearColor = nullptr;
  decltype(&::glDepthFunc) DepthFunc = nullptr;
  decltype(&::glDisable) Disable = nullptr;
  decltype(&::glDisableClientState) DisableClientState = nullptr;
  decltype(&::glDrawArrays) DrawArrays = nullptr;
  decltype(&::glDrawElements) DrawElements = nullptr;
  decltype(&::glEnable) Enable = nullptr;
  decltype(&::glEnableClientState) EnableClientState = nullptr;
  decltype(&::glFrontFace) FrontFace = nullptr;
  decltype(&::glGenTextures) GenTextures = nullptr;
  decltype(&::glGetError) GetError = nullptr;
  decltype(&::glGetIntegerv) GetIntegerv = nullptr;
  decltype(&::glGetString) GetString = nullptr;
  decltype(&::glInterleavedArrays) InterleavedArrays = nullptr;
  decltype(&::glLightModelfv) LightModelfv = nullptr;
  decltype(&::glLightfv) Lightfv = nullptr;
  decltype(&::glLoadMatrixf) LoadMatrixf = nullptr;
  decltype(&::glMaterialf) Materialf = nullptr;
  decltype(&::glMaterialfv) Materialfv = nullptr;
  decltype(&::glMatrixMode) MatrixMode = nullptr;
  decltype(&::glNormalPointer) NormalPointer = nullptr;
  decltype(&::glPixelStorei) PixelStorei = nullptr;
  decltype(&::glScissor) Scissor = nullptr;
  decltype(&::glShadeModel) ShadeModel = nullptr;
  decltype(&::glTexEnvfv) TexEnvfv = nullptr;
  decltype(&::glTexEnvi) TexEnvi = nullptr;
  decltype(&::glTexGeni) TexGeni = nullptr;
  decltype(&::glTexImage2D) TexImage2D = nullptr;
  decltype(&::glTexParameteri) TexParameteri = nullptr;
  decltype(&::glVertexPointer) VertexPointer = nullptr;
  decltype(&::glViewport) Viewport = nullptr;
};

class OpenGlLibrary {
 public:
  // Empty when opengl32.dll cannot be loaded or lacks one of the entry points.
  static std::unique_ptr<OpenGlLibrary> Load();

  const GlApi& Api() const { return api_; }

 private:
  OpenGlLibrary() = default;

  platform::win32::UniqueModule module_;
  GlApi api_;
};

}  // namespace orvane::renderer::win32
