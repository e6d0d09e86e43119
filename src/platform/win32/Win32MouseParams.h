// The mouse-parameter seam over user32.
#pragma once

#include "platform/MouseParams.h"

namespace win32 {

class Win32MouseParams final : public platform::MouseParams {
 public:
  win::BOOL SystemParametersInfoA(win::UINT action, win::UINT uiParam, void* pvParam,
                                  win::UINT winIni) override;
  int GetSystemMetrics(int index) override;
  win::BOOL SwapMouseButton(win::BOOL swap) override;
  win::UINT GetDoubleClickTime() override;
  win::BOOL SetDoubleClickTime(win::UINT milliseconds) override;
};

}  // namespace win32
