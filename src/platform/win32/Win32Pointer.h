// The pointer's position, from user32.
#pragma once

#include "platform/Pointer.h"

namespace win32 {

class Win32Pointer final : public platform::Pointer {
 public:
  win::BOOL GetCursorPos(win::POINT* point) override;
  win::BOOL ScreenToClient(win::HWND window, win::POINT* point) override;
};

}  // namespace win32
