// Data that ships inside the program, as resources of the executable:
// window layouts (RCDATA), bitmaps (BITMAP, a DIB without its file header)
// and the pictures for higher densities (RCDATA holding a PNG).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WinTypes.h"

namespace win {

constexpr WORD RT_BITMAP = 2;
constexpr WORD RT_RCDATA = 10;

}  // namespace win

namespace platform {

// A decoded picture: colour references (0x00BBGGRR), top row first.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> colours;
};

class Resources {
 public:
  virtual ~Resources() = default;
  // The bytes of the named resource of that type, or nothing when it is missing.
  [[nodiscard]] virtual std::optional<std::string> LoadResourceData(
      const std::string& name, win::WORD type = win::RT_RCDATA) = 0;
  // The pixels of a PNG, decoded by the system's codec; nothing when the
  // bytes are not a PNG it reads. Alpha, where there is any, is dropped.
  [[nodiscard]] virtual std::optional<Pixels> DecodePng(std::string_view bytes) = 0;
};

}  // namespace platform
