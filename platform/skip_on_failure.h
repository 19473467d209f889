#pragma once

#include <exception>

namespace orvane::platform {

// Runs one step of a handler whose failed steps are skipped: a failure has no effect beyond
// that step, and the handler goes on with the next one.
template <typename Step>
void SkipOnFailure(Step&& step) {
  try {
    step();
  } catch (const std::exception&) {
  }
}

}  // namespace orvane::platform
