#include "platform/program_paths.h"

namespace orvane::platform {
namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

std::wstring ArgumentsAfterProgramName(std::wstring_view commandLine) {
  std::size_t i = 0;
  if (!commandLine.empty() && commandLine[0] == L'"') {
    const std::size_t closingQuote = commandLine.find(L'"', 1);
    i = closingQuote == std::wstring_view::npos ? commandLine.size() : closingQuote + 1;
  }
  while (i < commandLine.size() && !IsBlank(commandLine[i])) ++i;
  while (i < commandLine.size() && IsBlank(commandLine[i])) ++i;
  return std::wstring(commandLine.substr(i));
}

std::wstring FolderOfFile(std::wstring_view filePath) {
  const std::size_t lastSeparator = filePath.find_last_of(L"\\/");
  if (lastSeparator == std::wstring_view::npos) return L"";
  std::wstring folder(filePath.substr(0, lastSeparator));
  if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
  return folder;
}

}  // namespace orvane::platform
