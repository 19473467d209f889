#include "button/command.h"

namespace orvane::button {
namespace {

constexpr wchar_t kEnabledKey[] = L"Enabled";
constexpr wchar_t kCaptionKey[] = L"Caption";
constexpr wchar_t kFirstRunKey[] = L"FirstRun";
constexpr wchar_t kFontKey[] = L"Font";
constexpr wchar_t kFontColourKey[] = L"FontColour";

// One default caption both ways, the design caption, so a button saved with it loads with it.
const std::wstring kDefaultCaption = kDesignCaption;
constexpr std::int32_t kFirstRunDone = 1;
constexpr std::int32_t kDefaultFontColour = 0;

// A value of the wrong type or out of range is not applied: what it would set stays as it was.
template <typename T>
const T* As(const platform::PropertyValue& value) {
  return std::get_if<T>(&value);
}

const std::int32_t* InRange(const platform::PropertyValue& value, std::int32_t lowest,
                            std::int32_t highest) {
  const std::int32_t* number = As<std::int32_t>(value);
  return number && *number >= lowest && *number <= highest ? number : nullptr;
}

}  // namespace

void Command::ReadProperties(const platform::PropertyBag& bag) {
  const platform::PropertyValue enabled = bag.ReadProperty(kEnabledKey, true);
  if (const bool* flag = As<bool>(enabled)) enabled_ = *flag;
  const platform::PropertyValue caption = bag.ReadProperty(kCaptionKey, kDefaultCaption);
  if (const std::wstring* text = As<std::wstring>(caption)) SetCaptionText(*text);
  const platform::PropertyValue font = bag.ReadProperty(kFontKey, kDesignFont);
  if (const platform::FontDescription* savedFont = As<platform::FontDescription>(font)) caption_.font = *savedFont;
  const platform::PropertyValue firstRun = bag.ReadProperty(kFirstRunKey, kFirstRunDone);
  if (const std::int32_t* value = InRange(firstRun, 0, 255)) {
    firstRun_ = static_cast<std::uint8_t>(*value);
  }
  const platform::PropertyValue colour = bag.ReadProperty(kFontColourKey, kDefaultFontColour);
  if (const std::int32_t* value = As<std::int32_t>(colour)) {
    caption_.colour = static_cast<platform::Colour>(*value);
  }
  ShowNormalFace();
}

platform::PropertyBag SavedCommandProperties(const std::wstring& caption,
                                             const platform::FontDescription& font) {
  platform::PropertyBag bag;
  bag.WriteProperty(kCaptionKey, caption, kDefaultCaption);
  bag.WriteProperty(kFontKey, font, kDesignFont);
  return bag;
}

}  // namespace orvane::button
