// A screen of a fixed density, 96 dpi unless a test sets another.
#pragma once

#include "platform/Screen.h"

namespace sim {

class SimScreen final : public platform::Screen {
 public:
  int DpiX() override { return dpiX; }
  int DpiY() override { return dpiY; }
  void SetDpi(int dpi) override { dpiX = dpiY = dpi; }
  // Windows' icon sizes at 96 dpi, scaled to the density (MulDiv: rounded
  // to nearest); the cursor's in Windows' nominal steps, 32 below 144 dpi,
  // 48 below 192, then 64 (Wine 8 gives 64 from 180); 0 for metrics the sim
  // does not know.
  int GetSystemMetricsForDpi(int index, int dpi) override {
    int at96 = 0;
    switch (index) {
      case win::SM_CXCURSOR:
      case win::SM_CYCURSOR:
        return dpi >= 192 ? 64 : dpi >= 144 ? 48 : 32;
      case win::SM_CXICON:
      case win::SM_CYICON:
        at96 = 32;
        break;
      case win::SM_CXSMICON:
      case win::SM_CYSMICON:
        at96 = 16;
        break;
      default:
        return 0;
    }
    return (at96 * dpi + 48) / 96;
  }

  int dpiX = 96;
  int dpiY = 96;
};

}  // namespace sim
