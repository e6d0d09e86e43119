// The screen's density, as the toolkit's twips-per-pixel factors.
#pragma once

namespace platform {

class Screen {
 public:
  virtual ~Screen() = default;
  // 1440 twips per inch over the screen's dots per inch: 15 at 96 dpi.
  virtual int TwipsPerPixelX() = 0;
  virtual int TwipsPerPixelY() = 0;
};

}  // namespace platform
