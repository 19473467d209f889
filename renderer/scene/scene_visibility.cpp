#include "renderer/scene/scene_visibility.h"

namespace orvane::renderer {
namespace {

// The reasons of WM_WTSSESSION_CHANGE that matter here.
enum SessionChange : unsigned {
  kConsoleConnect = 1,
  kConsoleDisconnect = 2,
  kRemoteConnect = 3,
  kRemoteDisconnect = 4,
  kSessionLock = 7,
  kSessionUnlock = 8,
};

}  // namespace

void SceneVisibility::OnSessionChange(unsigned reason) {
  switch (reason) {
    case kSessionLock: locked_ = true; break;
    case kSessionUnlock: locked_ = false; break;
    case kConsoleDisconnect:
    case kRemoteDisconnect: disconnected_ = true; break;
    case kConsoleConnect:
    case kRemoteConnect: disconnected_ = false; break;
    default: break;  // logons, logoffs and remote control change nothing that shows
  }
}

void SceneVisibility::OnDisplayState(unsigned state) { displaysOn_ = state != 0; }

void SceneVisibility::OnWindowState(bool minimised, bool covered) {
  minimised_ = minimised;
  covered_ = covered;
}

}  // namespace orvane::renderer
