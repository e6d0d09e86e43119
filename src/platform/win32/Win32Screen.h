// The screen's density: the display's logical dots per inch until the main
// window reports the density of the monitor it is on.
#pragma once

#include "platform/Screen.h"

namespace win32 {

class Win32Screen final : public platform::Screen {
 public:
  int DpiX() override;
  int DpiY() override;
  void SetDpi(int dpi) override { dpi_ = dpi; }
  int GetSystemMetricsForDpi(int index, int dpi) override;

 private:
  int dpi_ = 0;  // none reported yet
};

}  // namespace win32
