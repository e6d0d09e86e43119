// Decoders for the picture formats the program ships: BMP (as a file or as
// the header-and-bits form a bitmap resource holds), ICO and CUR. They read
// untrusted bytes: anything truncated or inconsistent raises BitmapError with
// a message that says what is wrong; nothing is read out of bounds.
#pragma once

#include <cstdint>
#include <filesystem>
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

enum class IconKind { Icon = 1, Cursor = 2 };

struct IconFile {
  IconKind kind = IconKind::Icon;
  std::vector<Image> images;  // in directory order
};

// A whole .bmp file, starting with "BM".
Image DecodeBitmapFile(std::span<const std::uint8_t> bytes);

// A device-independent bitmap without the file header: the info header, the
// colour masks or table, then the bits (the data of a bitmap resource).
Image DecodeDib(std::span<const std::uint8_t> bytes);

// A whole .ico or .cur file.
IconFile DecodeIconFile(std::span<const std::uint8_t> bytes);

// One icon or cursor image: a DIB of twice the image's height holding the
// colour bits followed by the 1-bit AND mask (the data of an icon resource).
Image DecodeIconImage(std::span<const std::uint8_t> bytes);

// The whole content of a file; BitmapError when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);

}  // namespace ui
