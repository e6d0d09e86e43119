// Binary values as hex text and back: "01 A0 FF" and the byte text it stands for.
#include <algorithm>

#include "registry/RegistryText.h"
#include "registry/clsRegistryAccess.h"

using registry::HexDigit;

std::string clsRegistryAccess::StrToBin(std::string& sBin) {
  sBin.erase(std::remove(sBin.begin(), sBin.end(), ' '), sBin.end());
  const std::size_t length = sBin.size();
  // Half the length rounded to the nearest whole number, halves to the even
  // one: 1 digit gives no byte, 3 give two, 5 give two, 7 give four.
  std::size_t pieces = length / 2;
  if (length % 2 == 1 && pieces % 2 == 1) ++pieces;
  std::string bytes;
  bytes.reserve(pieces);
  for (std::size_t i = 0; i < pieces; ++i) {
    // A piece is read as hex up to its first character that is no hex digit.
    int value = 0;
    for (std::size_t at = 2 * i; at < std::min(2 * i + 2, length); ++at) {
      const int digit = HexDigit(sBin[at]);
      if (digit < 0) break;
      value = value * 16 + digit;
    }
    bytes.push_back(static_cast<char>(value));
  }
  return bytes;
}

std::string clsRegistryAccess::BinToStr(std::string_view sStr) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(sStr.size() * 3);
  for (const char c : sStr) {
    const auto byte = static_cast<unsigned char>(c);
    hex.push_back(' ');
    hex.push_back(kDigits[byte >> 4]);
    hex.push_back(kDigits[byte & 15]);
  }
  return hex;
}

bool clsRegistryAccess::isBinValid(std::string_view sBin) {
  std::string digits(sBin);
  digits.erase(std::remove(digits.begin(), digits.end(), ' '), digits.end());
  if (digits.empty()) return false;
  return std::all_of(digits.begin(), digits.end(), [](char c) { return HexDigit(c) >= 0; });
}
