#include "platform/win32/Win32Screen.h"

#include "platform/win32/Win32Ownership.h"

#include <windows.h>

namespace win32 {
namespace {

// The system's density: with per-monitor awareness, that of the primary
// monitor when the user signed in, which is where the window first appears.
int SystemDpi(int axis) {
  const UniqueScreenDC screen(::GetDC(nullptr));
  const int dpi = ::GetDeviceCaps(screen.get(), axis);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

int Win32Screen::GetSystemMetricsForDpi(int index, int dpi) {
  // Windows 10 1607 on; before it a process sees one density, the system's,
  // and its metrics are for that one, so they are scaled from it.
  using ForDpiFn = int(WINAPI*)(int, UINT);
  static const auto forDpi = reinterpret_cast<ForDpiFn>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetSystemMetricsForDpi")));
  if (forDpi != nullptr) {
    if (const int value = forDpi(index, static_cast<UINT>(dpi)); value > 0) return value;
  }
  return ::MulDiv(::GetSystemMetrics(index), dpi, SystemDpi(LOGPIXELSY));
}

int Win32Screen::DpiX() { return dpi_ > 0 ? dpi_ : SystemDpi(LOGPIXELSX); }
int Win32Screen::DpiY() { return dpi_ > 0 ? dpi_ : SystemDpi(LOGPIXELSY); }

}  // namespace win32
