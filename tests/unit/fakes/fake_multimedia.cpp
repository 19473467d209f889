#include "fakes/fake_multimedia.h"

#include <algorithm>

namespace orvane::testing {

std::int32_t FakeMultimedia::SendMciString(const std::wstring& command,
                                           platform::ReplyBuffer* reply) {
  calls.push_back(L"mci " + command + L" [" + std::to_wstring(reply ? reply->length : 0) + L"]");
  Answer answer;
  const auto entry = std::find_if(script_.begin(), script_.end(),
                                  [&](const auto& scripted) { return scripted.first == command; });
  if (entry != script_.end()) {
    answer = entry->second;
    script_.erase(entry);
  }
  if (reply && answer.reply) reply->text = answer.reply->substr(0, reply->length - 1);
  return answer.code;
}

}  // namespace orvane::testing
