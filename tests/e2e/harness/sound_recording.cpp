#include "sound_recording.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <thread>

#include "wine_session.h"

namespace orvane::e2e {
namespace {

constexpr std::size_t kWindow = SoundRecording::kRate / 50;  // 20 ms
constexpr double kLoudness = 1000;                           // RMS of a 16-bit sample
constexpr double kLongestBridgedGap = 0.1;

}  // namespace

SoundRecording::SoundRecording(const std::filesystem::path& rawFile) : rawFile_(rawFile) {
  recorder_.emplace(std::vector<std::string>{"parec", "-d", "orvane.monitor", "--raw",
                                             "--format=s16le", "--rate=8000", "--channels=1",
                                             "--latency-msec=20"},
                    WineSession::Current().Environment(), rawFile);
  // Let the stream connect before anything is played.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
}

void SoundRecording::Stop() {
  recorder_.reset();
  std::ifstream file(rawFile_, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  samples_.resize(bytes.size() / 2);
  for (std::size_t i = 0; i < samples_.size(); ++i) {
    samples_[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[2 * i]) |
                                            static_cast<std::uint8_t>(bytes[2 * i + 1]) << 8);
  }
}

std::vector<SoundSpan> SoundRecording::Spans() const {
  std::vector<SoundSpan> spans;
  for (std::size_t first = 0; first + kWindow <= samples_.size(); first += kWindow) {
    double sum = 0;
    for (std::size_t i = first; i < first + kWindow; ++i) sum += double(samples_[i]) * samples_[i];
    if (std::sqrt(sum / kWindow) < kLoudness) continue;
    const double start = double(first) / kRate;
    const double end = double(first + kWindow) / kRate;
    if (!spans.empty() && start - spans.back().end <= kLongestBridgedGap) {
      spans.back().end = end;
    } else {
      spans.push_back({start, end});
    }
  }
  return spans;
}

std::string SoundRecording::Describe() const {
  std::string text;
  char span[64];
  for (const SoundSpan& s : Spans()) {
    std::snprintf(span, sizeof span, "%s%.2f-%.2f s", text.empty() ? "" : ", ", s.start, s.end);
    text += span;
  }
  return "sound heard at " + (text.empty() ? std::string("no time") : text) + " of " +
         std::to_string(Seconds()) + " s recorded";
}

}  // namespace orvane::e2e
