#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "wine_session.h"

namespace orvane::e2e {

// Records what the Wine session's sound server plays, as mono 16-bit samples at 8000 Hz from
// its null sink's monitor. The server's clock runs through silence, so a sample's index is its
// time.
class SoundRecording {
 public:
  struct Span {
    double start = 0, end = 0;  // seconds from the start of the recording
  };

  explicit SoundRecording(const std::filesystem::path& rawFile);
  // Ends the recording and reads it.
  void Stop();
  // Where sound is heard: 20 ms windows louder than a quiet threshold, gaps under 100 ms bridged.
  std::vector<Span> Spans() const;
  double Seconds() const;
  // The spans as text ("0.93-7.91 s, ..."), for the test's log.
  std::string Describe() const;

 private:
  std::filesystem::path rawFile_;
  std::optional<ChildProcess> recorder_;
  std::vector<std::int16_t> samples_;
};

}  // namespace orvane::e2e
