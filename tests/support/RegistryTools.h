// Small helpers over the registry seam for arranging and inspecting tests.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace testing_support {

struct RawValue {
  std::string name;
  win::DWORD type = win::REG_NONE;
  std::string data;  // bytes as stored

  bool operator==(const RawValue&) const = default;
};

// Test failures show a value as its name, type and bytes, escaped.
void PrintTo(const RawValue& value, std::ostream* out);

// Deletes root\path and everything below it; a missing key is fine.
void DeleteTree(platform::Registry& registry, win::HKEY root, const std::string& path);

// Creates root\path with a value of the given type and bytes; true on success.
bool SetRaw(platform::Registry& registry, win::HKEY root, const std::string& path,
            const std::string& name, win::DWORD type, const std::string& data);

// The value's type and bytes, or nothing when it cannot be read.
std::optional<RawValue> QueryRaw(platform::Registry& registry, win::HKEY root,
                                 const std::string& path, const std::string& name);

// Every value of root\path in enumeration order (empty when the key is missing).
std::vector<RawValue> Values(platform::Registry& registry, win::HKEY root, const std::string& path);

// Sub-key names of root\path in enumeration order.
std::vector<std::string> SubKeys(platform::Registry& registry, win::HKEY root,
                                 const std::string& path);

bool KeyExists(platform::Registry& registry, win::HKEY root, const std::string& path);

// Saves the values of a key and puts them back when it goes out of scope, so
// tests that must touch a real key (the user's mouse settings) leave it as found.
class KeySnapshot {
 public:
  KeySnapshot(platform::Registry& registry, win::HKEY root, std::string path);
  ~KeySnapshot();
  KeySnapshot(const KeySnapshot&) = delete;
  KeySnapshot& operator=(const KeySnapshot&) = delete;

 private:
  platform::Registry& registry_;
  win::HKEY root_;
  std::string path_;
  bool existed_;
  std::vector<RawValue> values_;
};

}  // namespace testing_support
