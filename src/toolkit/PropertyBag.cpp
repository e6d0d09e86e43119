#include "toolkit/PropertyBag.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "platform/Text.h"

namespace toolkit {
namespace {

using platform::EqualsIgnoringCase;

std::string Trimmed(const std::string& text) { return std::string(platform::Trim(text, " \t")); }

// A decimal integer text, or "&H" hexadecimal as the toolkit writes colours.
std::int32_t ParseInteger(const std::string& raw) {
  const std::string text = Trimmed(raw);
  long long value = 0;
  std::from_chars_result result{};
  if (text.size() > 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h')) {
    std::string digits = text.substr(2);
    if (!digits.empty() && digits.back() == '&') digits.pop_back();
    unsigned long long bits = 0;
    result = std::from_chars(digits.data(), digits.data() + digits.size(), bits, 16);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size() ||
        bits > 0xFFFFFFFFull) {
      throw PropertyError("type mismatch");
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
  }
  const char* begin = text.data() + (!text.empty() && text[0] == '+' ? 1 : 0);
  result = std::from_chars(begin, text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size() || text.empty()) {
    throw PropertyError("type mismatch");
  }
  if (value < std::numeric_limits<std::int32_t>::min() ||
      value > std::numeric_limits<std::int32_t>::max()) {
    throw PropertyError("overflow");
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace

bool ToBool(const PropertyValue& value) {
  if (const bool* b = std::get_if<bool>(&value)) return *b;
  if (const std::int32_t* i = std::get_if<std::int32_t>(&value)) return *i != 0;
  if (const std::string* s = std::get_if<std::string>(&value)) {
    const std::string text = Trimmed(*s);
    if (EqualsIgnoringCase(text, "True")) return true;
    if (EqualsIgnoringCase(text, "False")) return false;
    return ParseInteger(text) != 0;
  }
  throw PropertyError("type mismatch");
}

std::int32_t ToInt32(const PropertyValue& value) {
  if (const bool* b = std::get_if<bool>(&value)) return *b ? -1 : 0;
  if (const std::int32_t* i = std::get_if<std::int32_t>(&value)) return *i;
  if (const std::string* s = std::get_if<std::string>(&value)) return ParseInteger(*s);
  throw PropertyError("type mismatch");
}

std::string ToString(const PropertyValue& value) {
  if (const bool* b = std::get_if<bool>(&value)) return *b ? "True" : "False";
  if (const std::int32_t* i = std::get_if<std::int32_t>(&value)) return std::to_string(*i);
  if (const std::string* s = std::get_if<std::string>(&value)) return *s;
  throw PropertyError("type mismatch");
}

platform::PicturePtr ToPicture(const PropertyValue& value) {
  if (const auto* picture = std::get_if<platform::PicturePtr>(&value)) return *picture;
  throw PropertyError("type mismatch");
}

platform::FontPtr ToFont(const PropertyValue& value) {
  if (const auto* font = std::get_if<platform::FontPtr>(&value)) return *font;
  throw PropertyError("type mismatch");
}

bool SameValue(const PropertyValue& value, const PropertyValue& defaultValue) {
  if (value.index() != defaultValue.index()) return false;
  if (const auto* picture = std::get_if<platform::PicturePtr>(&value)) {
    const auto& other = std::get<platform::PicturePtr>(defaultValue);
    if (!platform::HasImage(*picture) && !platform::HasImage(other)) return true;
    return *picture == other;
  }
  if (const auto* font = std::get_if<platform::FontPtr>(&value)) {
    const auto& other = std::get<platform::FontPtr>(defaultValue);
    if (!*font || !other) return !*font && !other;
    return **font == *other;
  }
  return value == defaultValue;
}

const PropertyValue* PropertyBag::Find(std::string_view key) const {
  for (const Entry& entry : entries_) {
    if (EqualsIgnoringCase(entry.key, key)) return &entry.value;
  }
  return nullptr;
}

bool PropertyBag::ReadProperty(std::string_view key, bool defaultValue) const {
  const PropertyValue* value = Find(key);
  return value == nullptr ? defaultValue : ToBool(*value);
}

std::int32_t PropertyBag::ReadProperty(std::string_view key, std::int32_t defaultValue) const {
  const PropertyValue* value = Find(key);
  return value == nullptr ? defaultValue : ToInt32(*value);
}

std::string PropertyBag::ReadProperty(std::string_view key, const std::string& defaultValue) const {
  const PropertyValue* value = Find(key);
  return value == nullptr ? defaultValue : ToString(*value);
}

platform::PicturePtr PropertyBag::ReadProperty(std::string_view key,
                                               const platform::PicturePtr& defaultValue) const {
  const PropertyValue* value = Find(key);
  return value == nullptr ? defaultValue : ToPicture(*value);
}

platform::FontPtr PropertyBag::ReadProperty(std::string_view key,
                                            const platform::FontPtr& defaultValue) const {
  const PropertyValue* value = Find(key);
  return value == nullptr ? defaultValue : ToFont(*value);
}

void PropertyBag::WriteProperty(std::string_view key, const PropertyValue& value,
                                const PropertyValue& defaultValue) {
  if (!SameValue(value, defaultValue)) Set(key, value);
}

void PropertyBag::Set(std::string_view key, PropertyValue value) {
  for (Entry& entry : entries_) {
    if (EqualsIgnoringCase(entry.key, key)) {
      entry.value = std::move(value);
      return;
    }
  }
  entries_.push_back({std::string(key), std::move(value)});
}

}  // namespace toolkit
