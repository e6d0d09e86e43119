// The screen's density from the display's logical dots per inch.
#pragma once

#include "platform/Screen.h"

namespace win32 {

class Win32Screen final : public platform::Screen {
 public:
  int TwipsPerPixelX() override;
  int TwipsPerPixelY() override;
};

}  // namespace win32
