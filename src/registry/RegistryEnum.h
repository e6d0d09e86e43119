// Enumerating a key's sub-keys and values with their whole names and data,
// buffers grown as far as a name or value needs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Registry.h"

namespace registry {

struct EnumeratedValue {
  std::string name;
  win::DWORD type = win::REG_NONE;
  std::string data;
};

// One sub-key name by index, the buffer grown until the name fits.
win::LSTATUS EnumKeyName(win::HKEY key, win::DWORD index, std::string* name);
// One value by index with its whole name and data.
win::LSTATUS EnumValue(win::HKEY key, win::DWORD index, EnumeratedValue* value);

// A value's data as ReadString gives it: the bytes up to the first NUL.
std::string TextOf(const std::string& data);
// A value's data as ReadDWORD gives it: shorter data fills only the
// low-order bytes, and data longer than four bytes gives 0.
std::int32_t DwordOf(const std::string& data);

// Every value of a key with its whole data, and its sub-key names.
struct KeyContents {
  std::vector<EnumeratedValue> values;
  std::vector<std::string> subKeys;
};

// A key's contents through one handle, the sub-key names only when asked
// for. Answers the open's status when the key cannot be opened (nothing
// read), or the first status that ended an enumeration before its last item
// (what was read stays).
[[nodiscard]] win::LSTATUS ReadKeyContents(win::HKEY root, const std::string& subKey,
                                           bool withSubKeys, KeyContents* contents);

}  // namespace registry
