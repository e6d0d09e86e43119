// The toolkit's number conversions that the button relies on.
#pragma once

#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace controls {

// The nearest integer, halves to even.
inline int RoundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

// A 16-bit integer, rounded halves to even; fails with an overflow outside the range.
inline std::int16_t ToInteger16(double value) {
  const double rounded = std::nearbyint(value);
  if (!(rounded >= -32768.0 && rounded <= 32767.0)) throw std::overflow_error("overflow");
  return static_cast<std::int16_t>(rounded);
}

}  // namespace controls
