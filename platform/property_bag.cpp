#include "platform/property_bag.h"

#include <algorithm>

namespace orvane::platform {
namespace {

template <typename Entries>
auto FindEntry(Entries& entries, const std::wstring& name) {
  return std::find_if(entries.begin(), entries.end(),
                      [&name](const PropertyBag::Entry& entry) { return entry.first == name; });
}

}  // namespace

void PropertyBag::WriteProperty(const std::wstring& name, const PropertyValue& value,
                                const PropertyValue& defaultValue) {
  const auto stored = FindEntry(entries_, name);
  if (value == defaultValue) {
    // A value written earlier must not outlive a later default.
    if (stored != entries_.end()) entries_.erase(stored);
  } else if (stored != entries_.end()) {
    stored->second = value;
  } else {
    entries_.emplace_back(name, value);
  }
}

PropertyValue PropertyBag::ReadProperty(const std::wstring& name,
                                        const PropertyValue& defaultValue) const {
  const auto stored = FindEntry(entries_, name);
  return stored == entries_.end() ? defaultValue : stored->second;
}

}  // namespace orvane::platform
