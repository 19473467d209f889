#include "settings/ini_text.h"

#include <optional>

namespace orvane::settings {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

bool IsLeadByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string_view WithoutLeadingBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view Trimmed(std::string_view text) {
  text = WithoutLeadingBlanks(text);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    if (IsLeadByte(a[i]) && i + 1 < a.size()) {
      ++i;
      if (a[i] != b[i]) return false;
    }
  }
  return true;
}

// One line of the file: where it starts, where the next one starts, and what it says.
struct Line {
  std::size_t begin = 0;
  std::size_t next = 0;
  std::string_view text;  // without its line end and its surrounding blanks
  std::optional<std::string_view> sectionName;
  std::string_view key;   // of a line that is no section header
  std::string_view value;
};

// The name between "[" and the last "]" that is a character of its own.
std::string_view SectionName(std::string_view header) {
  std::size_t close = header.size();
  for (std::size_t i = 1; i < header.size(); ++i) {
    if (header[i] == ']') close = i;
    if (IsLeadByte(header[i])) ++i;
  }
  return Trimmed(header.substr(1, close - 1));
}

Line LineAt(std::string_view file, std::size_t begin) {
  Line line;
  line.begin = begin;
  const std::size_t newline = file.find('\n', begin);
  line.next = newline == std::string_view::npos ? file.size() : newline + 1;
  std::string_view text = file.substr(begin, (newline == std::string_view::npos ? file.size() : newline) - begin);
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  line.text = Trimmed(text);
  if (!line.text.empty() && line.text.front() == '[') {
    line.sectionName = SectionName(line.text);
    return line;
  }
  // "=" is never the second byte of a character.
  const std::size_t equals = line.text.find('=');
  line.key = Trimmed(line.text.substr(0, equals));
  if (equals != std::string_view::npos) line.value = Trimmed(line.text.substr(equals + 1));
  return line;
}

// Where the first section of that name is: its header line, its key line of that name if it
// has one, and the end of its last line that is not blank.
struct Place {
  std::optional<Line> header;
  std::optional<Line> keyLine;
  std::size_t sectionEnd = 0;
};

Place Find(std::string_view file, std::string_view section, std::string_view key) {
  Place place;
  for (std::size_t begin = 0; begin < file.size();) {
    const Line line = LineAt(file, begin);
    begin = line.next;
    if (line.sectionName) {
      if (place.header) break;
      if (SameName(*line.sectionName, section)) place = {line, std::nullopt, line.next};
      continue;
    }
    if (!place.header) continue;
    if (!line.text.empty()) place.sectionEnd = line.next;
    if (!place.keyLine && SameName(line.key, key)) place.keyLine = line;
  }
  return place;
}

std::string_view WithoutEnclosingQuotes(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::string_view CutToWholeCharacters(std::string_view value, std::size_t maxBytes) {
  std::size_t length = 0;
  while (length < value.size()) {
    const std::size_t width = IsLeadByte(value[length]) && length + 1 < value.size() ? 2 : 1;
    if (length + width > maxBytes) break;
    length += width;
  }
  return value.substr(0, length);
}

}  // namespace

std::string IniValue(std::string_view file, std::string_view section, std::string_view key,
                     std::size_t maxBytes) {
  const Place place = Find(file, section, key);
  if (!place.keyLine) return {};
  return std::string(CutToWholeCharacters(WithoutEnclosingQuotes(place.keyLine->value), maxBytes));
}

std::string WithIniValue(std::string_view file, std::string_view section, std::string_view key,
                         std::string_view value) {
  const Place place = Find(file, section, key);
  std::string result(file);
  if (place.keyLine) {
    // The key keeps the spelling the file gives it.
    const std::string line = std::string(place.keyLine->key) + "=" +
                             std::string(WithoutLeadingBlanks(value)) + std::string(kLineEnd);
    return result.replace(place.keyLine->begin, place.keyLine->next - place.keyLine->begin, line);
  }
  std::string added = std::string(key) + "=" + std::string(WithoutLeadingBlanks(value)) +
                      std::string(kLineEnd);
  if (!place.header) added = "[" + std::string(section) + "]" + std::string(kLineEnd) + added;
  const std::size_t at = place.header ? place.sectionEnd : file.size();
  // A last line without its line end, or with half of it, gets one before anything is added
  // behind it.
  if (at == file.size() && !file.empty() && file.back() != '\n') {
    added = (file.back() == '\r' ? "\n" : std::string(kLineEnd)) + added;
  }
  return result.insert(at, added);
}

}  // namespace orvane::settings
