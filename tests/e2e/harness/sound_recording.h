#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "child_process.h"

namespace orvane::e2e {

// A stretch of a recording, in seconds from the start of the recording.
struct SoundSpan {
  double start = 0;
  double end = 0;
  double Length() const { return end - start; }
};

// Records what the Wine session's sound server plays (its null sink's monitor), as mono
// 16-bit samples at 8000 Hz. The server's clock runs through silence, so a sample's index
// is its time.
class SoundRecording {
 public:
  static constexpr int kRate = 8000;

  explicit SoundRecording(const std::filesystem::path& rawFile);

  // Ends the recording and reads it.
  void Stop();

  // Where sound is heard: 20 ms windows louder than a quiet threshold, with gaps shorter
  // than 100 ms bridged.
  std::vector<SoundSpan> Spans() const;
  double Seconds() const { return static_cast<double>(samples_.size()) / kRate; }
  // The spans as text ("0.93-7.91 s, ..."), for the test's log.
  std::string Describe() const;

 private:
  std::filesystem::path rawFile_;
  std::optional<ChildProcess> recorder_;
  std::vector<std::int16_t> samples_;
};

}  // namespace orvane::e2e
