// Writers of the file formats the program loads: uncompressed bottom-up BMP,
// run-length BMP for the larger pictures, ICO and CUR of 16-colour and 32-bit
// images, and PNG (through libpng) for the largest icon image.
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

// A 32-bit image with straight (not premultiplied) alpha: 0xAARRGGBB per
// pixel, top row first.
struct DeepImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;
  int hotspotX = 0;  // cursors only
  int hotspotY = 0;
};

// 8 bits per channel RGBA PNG.
Bytes PngArgb(const DeepImage& image);

// The 16-colour images first, then the 32-bit ones; a 32-bit image of 256
// pixels or more is stored as a PNG, as the shell expects of large icons.
Bytes IconFile(const std::vector<IconImage>& images, const std::vector<DeepImage>& deep = {});
Bytes CursorFile(const IconImage& image, const std::vector<DeepImage>& deep = {});

}  // namespace assetgen
