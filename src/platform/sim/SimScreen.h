// A screen of a fixed density, 96 dpi unless a test sets another.
#pragma once

#include "platform/Screen.h"

namespace sim {

class SimScreen final : public platform::Screen {
 public:
  int TwipsPerPixelX() override { return twipsPerPixelX; }
  int TwipsPerPixelY() override { return twipsPerPixelY; }

  int twipsPerPixelX = 15;
  int twipsPerPixelY = 15;
};

}  // namespace sim
