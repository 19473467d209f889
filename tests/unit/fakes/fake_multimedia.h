#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/multimedia_services.h"

namespace orvane::testing {

// A scripted MCI: each command is answered by the next scripted answer for it (or, with none
// left, success with no reply), and every call is recorded as one line of text.
class FakeMultimedia : public platform::MultimediaServices {
 public:
  struct Answer {
    std::int32_t code = 0;
    // What MCI writes into the reply buffer; nothing written when empty.
    std::optional<std::wstring> reply;
  };

  void Script(const std::wstring& command, Answer answer) { script_.push_back({command, answer}); }

  std::vector<std::wstring> calls;
  std::uint32_t waveDevices = 2;
  // Error codes that have a description, and the description.
  std::optional<std::wstring> errorDescription = L"The specified device is not open.";

  std::int32_t SendMciString(const std::wstring& command, platform::ReplyBuffer* reply) override;
  bool GetMciErrorText(std::int32_t code, platform::ReplyBuffer& description) override;
  void PlayWaveSound(const std::optional<std::wstring>& name, std::uint32_t flags) override;
  std::uint32_t WaveOutDeviceCount() override;

 private:
  struct Entry {
    std::wstring command;
    Answer answer;
  };
  std::deque<Entry> script_;
};

}  // namespace orvane::testing
