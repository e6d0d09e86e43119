// The decoder of the device-independent bitmaps the program ships as
// resources: the info header, the colour masks or table, then the bits (rows
// of pixels, or the 8-bit run-length form the larger pictures use). It
// reads untrusted bytes: anything truncated or inconsistent raises
// BitmapError with a message that says what is wrong; nothing is read out of
// bounds.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

namespace ui {

class BitmapError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A decoded picture: colours as 0x00BBGGRR colour references, top row first.
struct Image {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;  // as stored
  bool topDown = false;  // stored top row first
  std::vector<std::uint32_t> pixels;
  // Icons and cursors: one entry per pixel, non-zero where the AND mask lets
  // the screen show through. Empty for plain bitmaps.
  std::vector<std::uint8_t> transparent;
  // Cursors only: the hot spot from the file's directory.
  int hotspotX = 0;
  int hotspotY = 0;

  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
  bool IsTransparent(int x, int y) const {
    return !transparent.empty() &&
           transparent[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                       static_cast<std::size_t>(x)] != 0;
  }
};

// One colour channel of a bit-field pixel, widened to 8 bits by repeating its
// bits (so 5-bit 31 becomes 255 and 0 stays 0).
struct DibChannel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  // The widened value of each channel value of up to 8 bits, worked out once
  // rather than for every pixel.
  std::array<std::uint8_t, 256> widened{};

  std::uint32_t Expand(std::uint32_t pixel) const {
    const std::uint32_t v = (pixel & mask) >> shift;
    return bits >= 8 ? v >> (bits - 8) : widened[v];
  }
};

// What the header says of the bits that follow it.
struct DibLayout {
  int width = 0;
  int height = 0;  // rows of bits
  bool topDown = false;
  int bitsPerPixel = 0;
  bool rle8 = false;  // 8-bit runs (BI_RLE8) instead of rows of bits
  std::vector<std::uint32_t> palette;
  DibChannel red, green, blue;
  std::size_t bitsOffset = 0;  // where the bits follow the header and table, from its start
  std::size_t stride = 0;
};

// A whole DIB, the bits right after the colour table (a bitmap resource).
Image DecodeDib(std::span<const std::uint8_t> bytes);

// Its two halves, for containers that place the bits elsewhere or hold
// fewer rows of bits than the header counts: the header and colour table,
// then height rows of bits from bitsOffset (both from the header's start).
DibLayout ReadDibHeader(std::span<const std::uint8_t> bytes);
Image DecodeDibBits(std::span<const std::uint8_t> bytes, const DibLayout& layout,
                    std::size_t bitsOffset);

}  // namespace ui
