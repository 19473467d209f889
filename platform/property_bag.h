#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/font_description.h"

namespace orvane::platform {

// A saved property: a truth value, a whole number, a text or a font.
using PropertyValue = std::variant<bool, std::int32_t, std::wstring, FontDescription>;

// The store in which a container keeps the saved properties of each of its controls.
class PropertyBag {
 public:
  using Entry = std::pair<std::wstring, PropertyValue>;

  // Stores `value` under `name`, unless it equals `defaultValue`: a default is not stored, and
  // so reads back as the default given when reading.
  void WriteProperty(const std::wstring& name, const PropertyValue& value,
                     const PropertyValue& defaultValue);
  // The value stored under `name`, or `defaultValue` when there is none.
  PropertyValue ReadProperty(const std::wstring& name, const PropertyValue& defaultValue) const;

  // What is stored, in the order it was first written.
  const std::vector<Entry>& Entries() const { return entries_; }

 private:
  std::vector<Entry> entries_;
};

}  // namespace orvane::platform
