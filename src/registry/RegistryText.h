// Small text helpers of the registry class: hex digits and bytes, with the
// platform's case and trimming rules.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/Text.h"
#include "platform/WinTypes.h"

namespace registry {

using platform::StartsWithIgnoringCase;
using platform::Trim;
using platform::UpperCase;

// The digit's value, or -1 for a character that is no hex digit.
inline int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

inline const win::BYTE* Bytes(const std::string& text) {
  return reinterpret_cast<const win::BYTE*>(text.data());
}

}  // namespace registry
