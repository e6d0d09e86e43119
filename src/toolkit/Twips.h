// Twips, the layouts' unit of length, as whole pixels of the screen.
#pragma once

#include <cmath>
#include <cstdint>

namespace toolkit {

// Rounded to the nearer pixel, halves away from zero. Worked from the dots
// per inch, so that a half is exact at densities whose twips per pixel are
// not whole (7.5 at 192 dpi, 8.57... at 168).
inline int TwipsToPixels(std::int64_t twips, int dpi) {
  return static_cast<int>(std::lround(static_cast<double>(twips * dpi) / 1440.0));
}

}  // namespace toolkit
