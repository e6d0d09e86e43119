#include "platform/win32/Win32Screen.h"

#include "platform/win32/Win32Ownership.h"

#include <windows.h>

namespace win32 {
namespace {

int TwipsPerPixel(int axis) {
  const UniqueScreenDC screen(::GetDC(nullptr));
  const int dpi = ::GetDeviceCaps(screen.get(), axis);
  return dpi > 0 ? 1440 / dpi : 15;
}

}  // namespace

int Win32Screen::TwipsPerPixelX() { return TwipsPerPixel(LOGPIXELSX); }
int Win32Screen::TwipsPerPixelY() { return TwipsPerPixel(LOGPIXELSY); }

}  // namespace win32
