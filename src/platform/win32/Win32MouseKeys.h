// The toolkit's button and shift masks of the keys a mouse message or a drag
// reports (MK_ flags), for the user-control site and its drop target alike.
#pragma once

#include "platform/UserControlSurface.h"

#include <windows.h>

namespace win32 {

// Shift and Ctrl from the flags; Alt, which they never carry, from the keyboard.
inline int ShiftState(WPARAM keys) {
  return ((keys & MK_SHIFT) ? platform::kShiftMask : 0) |
         ((keys & MK_CONTROL) ? platform::kCtrlMask : 0) |
         (::GetKeyState(VK_MENU) < 0 ? platform::kAltMask : 0);
}

inline int HeldButtons(WPARAM keys) {
  return ((keys & MK_LBUTTON) ? platform::kLeftButton : 0) |
         ((keys & MK_RBUTTON) ? platform::kRightButton : 0) |
         ((keys & MK_MBUTTON) ? platform::kMiddleButton : 0);
}

}  // namespace win32
