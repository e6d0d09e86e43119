#include "platform/win32/Win32Pointer.h"

#include <windows.h>

namespace win32 {

win::BOOL Win32Pointer::GetCursorPos(win::POINT* point) {
  POINT native{};
  const BOOL ok = ::GetCursorPos(&native);
  *point = win::POINT{native.x, native.y};
  return ok;
}

win::BOOL Win32Pointer::ScreenToClient(win::HWND window, win::POINT* point) {
  POINT native{point->x, point->y};
  const BOOL ok = ::ScreenToClient(reinterpret_cast<HWND>(window), &native);
  *point = win::POINT{native.x, native.y};
  return ok;
}

}  // namespace win32
