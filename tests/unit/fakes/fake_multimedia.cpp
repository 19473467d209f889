#include "fakes/fake_multimedia.h"

namespace orvane::testing {

std::int32_t FakeMultimedia::SendMciString(const std::wstring& command,
                                           platform::ReplyBuffer* reply) {
  calls.push_back(L"mci " + command + L" [" + std::to_wstring(reply ? reply->length : 0) + L"]");
  Answer answer;
  if (const auto entry = script_.find(command); entry != script_.end()) {
    answer = entry->second;
    script_.erase(entry);
  }
  if (reply && answer.reply) reply->text = answer.reply->substr(0, reply->length - 1);
  return answer.code;
}

}  // namespace orvane::testing
