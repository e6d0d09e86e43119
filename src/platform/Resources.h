// Data that ships inside the program, as resources of the executable:
// window layouts (RCDATA) and bitmaps (BITMAP, a DIB without its file header).
#pragma once

#include <optional>
#include <string>

#include "platform/WinTypes.h"

namespace win {

constexpr WORD RT_BITMAP = 2;
constexpr WORD RT_RCDATA = 10;

}  // namespace win

namespace platform {

class Resources {
 public:
  virtual ~Resources() = default;
  // The bytes of the named resource of that type, or nothing when it is missing.
  [[nodiscard]] virtual std::optional<std::string> LoadResourceData(
      const std::string& name, win::WORD type = win::RT_RCDATA) = 0;
};

}  // namespace platform
