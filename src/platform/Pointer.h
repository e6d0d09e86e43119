// Where the mouse pointer is: user32's GetCursorPos and ScreenToClient.
#pragma once

#include "platform/Gdi.h"

namespace platform {

class Pointer {
 public:
  virtual ~Pointer() = default;
  [[nodiscard]] virtual win::BOOL GetCursorPos(win::POINT* point) = 0;
  [[nodiscard]] virtual win::BOOL ScreenToClient(win::HWND window, win::POINT* point) = 0;
};

}  // namespace platform
