#include "fakes/fake_multimedia.h"

namespace orvane::testing {

std::int32_t FakeMultimedia::SendMciString(const std::wstring& command,
                                           platform::ReplyBuffer* reply) {
  calls.push_back(L"mci " + command + L" [" + std::to_wstring(reply ? reply->length : 0) + L"]");
  Answer answer;
  for (auto entry = script_.begin(); entry != script_.end(); ++entry) {
    if (entry->command == command) {
      answer = entry->answer;
      script_.erase(entry);
      break;
    }
  }
  if (reply && answer.reply) reply->text = answer.reply->substr(0, reply->length - 1);
  return answer.code;
}

bool FakeMultimedia::GetMciErrorText(std::int32_t code, platform::ReplyBuffer& description) {
  calls.push_back(L"error text " + std::to_wstring(code) + L" [" +
                  std::to_wstring(description.length) + L"]");
  if (!errorDescription) return false;
  description.text = *errorDescription;
  return true;
}

void FakeMultimedia::PlayWaveSound(const std::optional<std::wstring>& name, std::uint32_t flags) {
  calls.push_back(L"PlaySound(" + name.value_or(L"NULL") + L", " + std::to_wstring(flags) + L")");
}

std::uint32_t FakeMultimedia::WaveOutDeviceCount() {
  calls.push_back(L"waveOutGetNumDevs");
  return waveDevices;
}

}  // namespace orvane::testing
