// Writers of the file formats the program loads: uncompressed bottom-up BMP,
// run-length BMP for the larger pictures, 16-colour ICO and CUR, and PNG
// (through libpng).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "Raster.h"

namespace assetgen {

using Bytes = std::vector<std::uint8_t>;

// 16 bits per pixel, 5-5-5, pixels given top row first.
Bytes Bitmap16(int width, int height, const std::vector<std::uint16_t>& pixels);
// 24 bits per pixel, each channel rounded to 8 bits.
Bytes Bitmap24(const Canvas& canvas);

// 8-bit run-length bitmap (BI_RLE8) of 5-5-5 pixels, top row first: a
// colour table of the colours the picture uses (at most 256, in the order of
// their 5-5-5 values, widened as a 16-bit bitmap shows them), rows bottom-up.
// The system and the program's own decoder read it without a codec.
Bytes BitmapRle8(int width, int height, const std::vector<std::uint16_t>& pixels);

// 8 bits per channel RGB PNG of 5-5-5 pixels, each channel widened as a
// 16-bit bitmap shows it, top row first; compressed as hard as zlib can.
Bytes Png555(int width, int height, const std::vector<std::uint16_t>& pixels);

// The 16 colours of the standard VGA palette, in its order.
inline constexpr std::array<std::uint32_t, 16> kVga = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

// A 16-colour image: palette indices and a transparency flag per pixel, top row first.
struct IconImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> index;
  std::vector<std::uint8_t> transparent;
  int hotspotX = 0;  // cursors only
  int hotspotY = 0;
};

Bytes IconFile(const std::vector<IconImage>& images);
Bytes CursorFile(const IconImage& image);

}  // namespace assetgen
