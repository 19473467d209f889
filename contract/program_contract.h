#pragma once

// What the screen saver and the renderer program agree on. The saver starts the renderer by
// its file name and watches for its window by title; the renderer reads the two files the
// saver stages for it.
namespace orvane::contract {

// Both ship in the program folder; the names are appended to it.
inline constexpr wchar_t kRendererFileName[] = L"\\3dOrvane.dll";
inline constexpr wchar_t kModelFileName[] = L"\\3dOrvane.x";

inline constexpr wchar_t kRendererWindowTitle[] = L"3dOrvane_VC";
inline constexpr wchar_t kSaverWindowTitle[] = L"3dOrvane_Main";

// The working folder the saver creates, and the renderer's inputs staged in it for a run.
inline constexpr wchar_t kStagingFolder[] = L"C:\\v_orim";
inline constexpr wchar_t kStagedModelName[] = L"3dOrvane.x";
inline constexpr wchar_t kStagedTextureName[] = L"3dOrvane.bmp";

}  // namespace orvane::contract
