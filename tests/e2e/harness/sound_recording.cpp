#include "sound_recording.h"

#include <cmath>
#include <cstdio>
#include <thread>

namespace orvane::e2e {
namespace {

constexpr int kRate = 8000;
constexpr std::size_t kWindow = kRate / 50;  // 20 ms
constexpr double kLoudness = 1000;           // RMS of a 16-bit sample

}  // namespace

SoundRecording::SoundRecording(const std::filesystem::path& rawFile) : rawFile_(rawFile) {
  recorder_.emplace(std::vector<std::string>{"parec", "-d", "orvane.monitor", "--raw", "--format=s16le",
                                             "--rate=8000", "--channels=1", "--latency-msec=20"},
                    rawFile);
  // Lets the stream connect before anything is played.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
}

void SoundRecording::Stop() {
  recorder_.reset();
  const std::string bytes = ReadBytes(rawFile_);
  samples_.resize(bytes.size() / 2);
  for (std::size_t i = 0; i < samples_.size(); ++i) {
    samples_[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                            static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8);
  }
}

double SoundRecording::Seconds() const { return static_cast<double>(samples_.size()) / kRate; }

std::vector<SoundRecording::Span> SoundRecording::Spans() const {
  std::vector<Span> spans;
  for (std::size_t first = 0; first + kWindow <= samples_.size(); first += kWindow) {
    double sum = 0;
    for (std::size_t i = first; i < first + kWindow; ++i) sum += double(samples_[i]) * samples_[i];
    if (std::sqrt(sum / kWindow) < kLoudness) continue;
    const double start = double(first) / kRate, end = double(first + kWindow) / kRate;
    if (!spans.empty() && start - spans.back().end <= 0.1) {
      spans.back().end = end;
    } else {
      spans.push_back({start, end});
    }
  }
  return spans;
}

std::string SoundRecording::Describe() const {
  std::string text = "sound heard at";
  char span[64];
  for (const Span& s : Spans()) {
    std::snprintf(span, sizeof span, " %.2f-%.2f s", s.start, s.end);
    text += span;
  }
  return text + " of " + std::to_string(Seconds()) + " s recorded";
}

}  // namespace orvane::e2e
