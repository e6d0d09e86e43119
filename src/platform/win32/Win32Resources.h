// Resources of the executable.
#pragma once

#include "platform/Resources.h"

namespace win32 {

class Win32Resources final : public platform::Resources {
 public:
  std::optional<std::string> LoadResourceData(const std::string& name,
                                              win::WORD type = win::RT_RCDATA) override;
};

}  // namespace win32
