// Twips, the layouts' unit of length, as whole pixels of the screen.
#pragma once

#include <cmath>
#include <cstdint>

namespace toolkit {

// Rounded to the nearer pixel, halves away from zero.
inline int TwipsToPixels(std::int64_t twips, int twipsPerPixel) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

}  // namespace toolkit
