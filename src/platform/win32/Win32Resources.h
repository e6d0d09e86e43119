// Resources of the executable.
#pragma once

#include "platform/Resources.h"

namespace win32 {

class Win32Resources final : public platform::Resources {
 public:
  std::optional<std::string> LoadResourceData(const std::string& name,
                                              win::WORD type = win::RT_RCDATA) override;
  // Through the Windows Imaging Component, loaded on first use: a 96-dpi
  // start never needs it.
  std::optional<platform::Pixels> DecodePng(std::string_view bytes) override;
};

}  // namespace win32
