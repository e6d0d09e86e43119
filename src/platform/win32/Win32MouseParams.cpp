#include "platform/win32/Win32MouseParams.h"

#include <windows.h>

namespace win32 {

win::BOOL Win32MouseParams::SystemParametersInfoA(win::UINT action, win::UINT uiParam,
                                                  void* pvParam, win::UINT winIni) {
  return ::SystemParametersInfoA(action, uiParam, pvParam, winIni);
}

int Win32MouseParams::GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }

win::BOOL Win32MouseParams::SwapMouseButton(win::BOOL swap) { return ::SwapMouseButton(swap); }

win::UINT Win32MouseParams::GetDoubleClickTime() { return ::GetDoubleClickTime(); }

win::BOOL Win32MouseParams::SetDoubleClickTime(win::UINT milliseconds) {
  return ::SetDoubleClickTime(milliseconds);
}

}  // namespace win32
