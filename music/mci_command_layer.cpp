#include "music/mci_command_layer.h"

namespace orvane::music {

std::int32_t MciCommandLayer::SendMciCommand(const std::wstring& command,
                                             std::wstring& resultText) {
  if (command.empty()) {
    resultText = L"コマンド文字列が指定されていません";
    return -1;
  }
  const std::int32_t code = multimedia_.SendMciString(command, &mciReplyBuffer_);
  if (code != 0) {
    resultText = multimedia_.GetMciErrorText(code, mciErrorBuffer_) ? mciErrorBuffer_.text
                                                                    : L"Error (文字列が取れません)";
    return code;
  }
  resultText = mciReplyBuffer_.text;
  return 0;
}

std::wstring MciCommandLayer::QueryMci(const std::wstring& command) {
  std::wstring reply;
  const std::int32_t code = SendMciCommand(command, reply);
  if (code != 0) return L"Error:" + std::to_wstring(code);
  return reply;
}

std::int32_t MciCommandLayer::PlayMciDevice(const std::wstring& device, const std::wstring& fromPos,
                                            const std::wstring& toPos) {
  std::wstring command = L"play " + device;
  if (!fromPos.empty()) command += L" from " + fromPos;
  if (!toPos.empty()) command += L" to " + toPos;
  std::wstring resultText;
  return SendMciCommand(command, resultText);
}

}  // namespace orvane::music
