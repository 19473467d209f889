#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/multimedia_services.h"

namespace orvane::testing {

// A scripted MCI: a command is answered once by the answer scripted for it (or, with none,
// success with no reply), and every call is recorded as one line of text.
class FakeMultimedia : public platform::MultimediaServices {
 public:
  struct Answer {
    std::int32_t code = 0;
    // What MCI writes into the reply buffer; nothing written when empty.
    std::optional<std::wstring> reply;
  };

  // The answer to the next time `command` is sent, in place of any not used yet.
  void Script(const std::wstring& command, Answer answer) { script_[command] = std::move(answer); }

  std::vector<std::wstring> calls;
  std::uint32_t waveDevices = 2;

  // Recorded as "mci <command> [<reply buffer length>]".
  std::int32_t SendMciString(const std::wstring& command, platform::ReplyBuffer* reply) override {
    calls.push_back(L"mci " + command + L" [" + std::to_wstring(reply ? reply->length : 0) + L"]");
    Answer answer;
    if (const auto entry = script_.find(command); entry != script_.end()) {
      answer = entry->second;
      script_.erase(entry);
    }
    if (reply && answer.reply) reply->text = answer.reply->substr(0, reply->length - 1);
    return answer.code;
  }
  bool GetMciErrorText(std::int32_t code, platform::ReplyBuffer& description) override {
    calls.push_back(L"error text " + std::to_wstring(code) + L" [" +
                    std::to_wstring(description.length) + L"]");
    description.text = L"The specified device is not open.";
    return true;
  }
  void PlayWaveSound(const std::optional<std::wstring>& name, std::uint32_t flags) override {
    calls.push_back(L"PlaySound(" + name.value_or(L"NULL") + L", " + std::to_wstring(flags) + L")");
  }
  std::uint32_t WaveOutDeviceCount() override { calls.push_back(L"waveOutGetNumDevs"); return waveDevices; }

 private:
  std::map<std::wstring, Answer> script_;
};

}  // namespace orvane::testing
