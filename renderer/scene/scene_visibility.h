#pragma once

namespace orvane::renderer {

// Whether anybody can see the scene, from what the system tells the renderer's window. While
// nobody can, the renderer draws nothing and waits for the next message.
class SceneVisibility {
 public:
  // The reason of a session change (WM_WTSSESSION_CHANGE): a lock or a disconnect, of the
  // console or of a remote session, hides the scene until the unlock or the connect.
  void OnSessionChange(unsigned reason);
  // The displays' state from a power setting notification: 0 off, 1 on, 2 dimmed (still seen).
  void OnDisplayState(unsigned state);
  void OnWindowState(bool minimised, bool covered);

  bool AnybodyCanSee() const { return !locked_ && !disconnected_ && displaysOn_ && !minimised_ && !covered_; }

 private:
  bool locked_ = false;
  bool disconnected_ = false;
  bool displaysOn_ = true;
  bool minimised_ = false;
  bool covered_ = false;
};

}  // namespace orvane::renderer
