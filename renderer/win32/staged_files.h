#pragma once

namespace orvane::renderer::win32 {

// Where the screen saver puts the renderer's two inputs before starting it.
inline constexpr wchar_t kStagedModelPath[] = L"C:\\v_orim\\3dOrvane.x";
inline constexpr wchar_t kStagedGlowTexturePath[] = L"C:\\v_orim\\3dOrvane.bmp";

}  // namespace orvane::renderer::win32
