#pragma once

#include <cstdint>
#include <string>

#include "platform/multimedia_services.h"

namespace orvane::music {

// Sends MCI command strings and turns each outcome into a code and a text: the reply, or a
// readable description of the error. Nothing here is ever shown to the user.
class MciCommandLayer {
 public:
  explicit MciCommandLayer(platform::MultimediaServices& multimedia) : multimedia_(multimedia) {}

  // 0 with the reply in `resultText`; the MCI error code with its description; -1 for the
  // empty command, which is not sent.
  std::int32_t SendMciCommand(const std::wstring& command, std::wstring& resultText);
  // The reply, or "Error:" followed by the code when the command fails.
  std::wstring QueryMci(const std::wstring& command);
  // "play <device>", with " from <fromPos>" and " to <toPos>" for the positions given.
  std::int32_t PlayMciDevice(const std::wstring& device, const std::wstring& fromPos,
                             const std::wstring& toPos);

 private:
  platform::MultimediaServices& multimedia_;
  platform::ReplyBuffer mciReplyBuffer_{512, L""};
  platform::ReplyBuffer mciErrorBuffer_{256, L""};
};

}  // namespace orvane::music
