// The property bag through which a container saves and restores a user
// control: keys matched without regard to case, kept in the order first
// written, each holding a Boolean, a 32-bit integer, a string, a picture or a
// font. Reading converts the stored value to the type asked for, the way the
// toolkit's variants convert; a value that cannot be converted fails.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "platform/Font.h"
#include "platform/Picture.h"

namespace toolkit {

using PropertyValue =
    std::variant<bool, std::int32_t, std::string, platform::PicturePtr, platform::FontPtr>;

// A stored value that does not convert to the type read ("type mismatch"),
// or a number that does not fit it ("overflow").
class PropertyError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

bool ToBool(const PropertyValue& value);
std::int32_t ToInt32(const PropertyValue& value);
std::string ToString(const PropertyValue& value);
platform::PicturePtr ToPicture(const PropertyValue& value);
platform::FontPtr ToFont(const PropertyValue& value);

// Whether a value equals a default: by value for Booleans, numbers, strings
// and font descriptions; pictures are equal when neither shows an image (no
// picture and an empty one alike) or when they are the same picture object.
bool SameValue(const PropertyValue& value, const PropertyValue& defaultValue);

class PropertyBag {
 public:
  struct Entry {
    std::string key;
    PropertyValue value;
  };

  // The value under key (any case), or defaultValue when the bag lacks it.
  bool ReadProperty(std::string_view key, bool defaultValue) const;
  std::int32_t ReadProperty(std::string_view key, std::int32_t defaultValue) const;
  std::string ReadProperty(std::string_view key, const std::string& defaultValue) const;
  std::string ReadProperty(std::string_view key, const char* defaultValue) const {
    return ReadProperty(key, std::string(defaultValue));
  }
  platform::PicturePtr ReadProperty(std::string_view key,
                                    const platform::PicturePtr& defaultValue) const;
  platform::FontPtr ReadProperty(std::string_view key, const platform::FontPtr& defaultValue) const;

  // Stores the value unless it equals the default.
  void WriteProperty(std::string_view key, const PropertyValue& value,
                     const PropertyValue& defaultValue);
  // Stores the value whatever it is (a container restoring its saved data).
  // A key already present keeps its place and takes the new value.
  void Set(std::string_view key, PropertyValue value);

  const PropertyValue* Find(std::string_view key) const;
  bool Contains(std::string_view key) const { return Find(key) != nullptr; }
  const std::vector<Entry>& Entries() const { return entries_; }

 private:
  std::vector<Entry> entries_;
};

}  // namespace toolkit
