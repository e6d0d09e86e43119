// The screen's density, as the toolkit's twips-per-pixel factors.
#pragma once

namespace platform {

class Screen {
 public:
  virtual ~Screen() = default;
  // 1440 twips per inch over the screen's dots per inch: 15 at 96 dpi.
  [[nodiscard]] virtual int TwipsPerPixelX() = 0;
  [[nodiscard]] virtual int TwipsPerPixelY() = 0;
};

}  // namespace platform
