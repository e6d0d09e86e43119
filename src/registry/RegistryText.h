// Small text helpers of the registry class: ASCII case, blanks, hex digits.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

#include "platform/WinTypes.h"

namespace registry {

inline char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

inline std::string UpperCase(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), Upper);
  return upper;
}

inline bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && UpperCase(text.substr(0, prefix.size())) == prefix;
}

inline std::string_view Trim(std::string_view text, std::string_view blanks = " ") {
  const auto first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

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
