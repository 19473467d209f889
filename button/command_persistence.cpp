#include "button/command.h"

namespace orvane::button {
namespace {

constexpr wchar_t kEnabledKey[] = L"Enabled";
constexpr wchar_t kCaptionKey[] = L"Caption";
constexpr wchar_t kFirstRunKey[] = L"FirstRun";
constexpr wchar_t kFontKey[] = L"Font";
constexpr wchar_t kFontColourKey[] = L"FontColour";
constexpr wchar_t kVisibleKey[] = L"Visible";

// One default caption both ways, the label's own, so a button saved with it loads with it.
const std::wstring kDefaultCaption = kDesignCaption;
constexpr std::int32_t kFirstRunDone = 1;
constexpr std::int32_t kDefaultFontColour = 0;
constexpr auto kDefaultBackgroundStyle = static_cast<std::int32_t>(platform::BackgroundStyle::kOpaque);

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
  if (const std::wstring* text = As<std::wstring>(caption)) ShowCaption(*text);
  const platform::PropertyValue font = bag.ReadProperty(kFontKey, parts_.container.AmbientFont());
  if (const platform::FontDescription* savedFont = As<platform::FontDescription>(font)) parts_.caption.SetFont(*savedFont);
  const platform::PropertyValue firstRun = bag.ReadProperty(kFirstRunKey, kFirstRunDone);
  if (const std::int32_t* value = InRange(firstRun, 0, 255)) {
    firstRun_ = static_cast<std::uint8_t>(*value);
  }
  const platform::PropertyValue colour = bag.ReadProperty(kFontColourKey, kDefaultFontColour);
  if (const std::int32_t* value = As<std::int32_t>(colour)) {
    parts_.caption.SetColour(static_cast<std::uint32_t>(*value));
  }
  const platform::PropertyValue style = bag.ReadProperty(kVisibleKey, kDefaultBackgroundStyle);
  if (const std::int32_t* value = InRange(style, 0, 1)) {
    parts_.surface.SetBackgroundStyle(static_cast<platform::BackgroundStyle>(*value));
  }
  ShowNormalFace();
}

void Command::WriteProperties(platform::PropertyBag& bag) {
  bag.WriteProperty(kEnabledKey, enabled_, true);
  bag.WriteProperty(kCaptionKey, parts_.caption.Text(), kDefaultCaption);
  bag.WriteProperty(kFirstRunKey, static_cast<std::int32_t>(firstRun_), kFirstRunDone);
  bag.WriteProperty(kFontKey, parts_.caption.Font(), parts_.container.AmbientFont());
  bag.WriteProperty(kFontColourKey, static_cast<std::int32_t>(parts_.caption.Colour()),
                    kDefaultFontColour);
  bag.WriteProperty(kVisibleKey, static_cast<std::int32_t>(parts_.surface.GetBackgroundStyle()),
                    kDefaultBackgroundStyle);
  ShowNormalFace();
}

platform::PropertyBag SavedCommandProperties(const std::wstring& caption,
                                             const platform::FontDescription& font) {
  platform::PropertyBag bag;
  bag.WriteProperty(kCaptionKey, caption, kDefaultCaption);
  // Kept whatever the container's font is, so the button has this font in any container.
  bag.WriteProperty(kFontKey, font, platform::FontDescription{});
  return bag;
}

}  // namespace orvane::button
