// A screen of a fixed density, 96 dpi unless a test sets another.
#pragma once

#include "platform/Screen.h"

namespace sim {

class SimScreen final : public platform::Screen {
 public:
  int DpiX() override { return dpiX; }
  int DpiY() override { return dpiY; }
  void SetDpi(int dpi) override { dpiX = dpiY = dpi; }

  int dpiX = 96;
  int dpiY = 96;
};

}  // namespace sim
