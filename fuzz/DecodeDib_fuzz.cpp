// The bitmap decoder the program runs on its resources, on any bytes: it
// either gives a whole picture or raises BitmapError, and never reads out of
// bounds or allocates without limit (the sanitizers and libFuzzer's memory
// limit watch for both).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "ui/Dib.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ui::Image image;
  try {
    image = ui::DecodeDib(std::span<const std::uint8_t>(data, size));
  } catch (const ui::BitmapError&) {
    return 0;
  }
  if (image.width <= 0 || image.height <= 0) std::abort();
  if (image.pixels.size() !=
      static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) {
    std::abort();
  }
  // Colour references: blue, green and red, nothing in the top byte.
  for (const std::uint32_t pixel : image.pixels) {
    if (pixel > 0xFFFFFF) std::abort();
  }
  return 0;
}
