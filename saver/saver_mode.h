#pragma once

#include <cstdint>

#include "platform/window_services.h"

namespace orvane::saver {

// What saver mode changes in the system for the length of a run, from its start to the close of
// the saver window: the cursor is hidden and the system is told that a screen saver runs.
class SaverModeSystemState {
 public:
  explicit SaverModeSystemState(platform::WindowServices& windows);
  ~SaverModeSystemState();
  SaverModeSystemState(const SaverModeSystemState&) = delete;
  SaverModeSystemState& operator=(const SaverModeSystemState&) = delete;

 private:
  platform::WindowServices& windows_;
  // The cursor display count that hiding the cursor returned, given back to show it again.
  const std::int32_t savedCursorCount_;
};

}  // namespace orvane::saver
