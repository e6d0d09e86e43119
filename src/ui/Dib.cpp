#include "ui/Dib.h"

#include <array>
#include <bit>
#include <cstdlib>
#include <string>

namespace ui {
namespace {

// Large enough for any picture of the program, small enough that a forged
// header cannot make the decoder allocate gigabytes.
constexpr std::int64_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiBitfields = 3;

[[noreturn]] void Fail(const std::string& what) { throw BitmapError(what); }

// Little-endian reads that fail, instead of reading past the end, with the
// name of what was being read.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t size() const { return bytes_.size(); }

  void Need(std::size_t offset, std::size_t count, const char* what) const {
    if (offset > bytes_.size() || count > bytes_.size() - offset) {
      Fail(std::string("truncated ") + what + ": needs " + std::to_string(offset + count) +
           " bytes, has " + std::to_string(bytes_.size()));
    }
  }
  std::uint8_t U8(std::size_t offset, const char* what) const {
    Need(offset, 1, what);
    return bytes_[offset];
  }
  std::uint16_t U16(std::size_t offset, const char* what) const {
    Need(offset, 2, what);
    return static_cast<std::uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
  }
  std::uint32_t U32(std::size_t offset, const char* what) const {
    Need(offset, 4, what);
    return static_cast<std::uint32_t>(bytes_[offset]) |
           (static_cast<std::uint32_t>(bytes_[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes_[offset + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes_[offset + 3]) << 24);
  }
  std::int32_t I32(std::size_t offset, const char* what) const {
    return static_cast<std::int32_t>(U32(offset, what));
  }
  std::span<const std::uint8_t> Slice(std::size_t offset, std::size_t count,
                                      const char* what) const {
    Need(offset, count, what);
    return bytes_.subspan(offset, count);
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
  return r | (g << 8) | (b << 16);
}

DibChannel ChannelFrom(std::uint32_t mask, const char* name) {
  DibChannel c;
  if (mask == 0) Fail(std::string("the ") + name + " colour mask is empty");
  c.mask = mask;
  c.shift = std::countr_zero(mask);
  c.bits = std::popcount(mask);
  if ((mask >> c.shift) != (std::uint32_t{0xFFFFFFFF} >> (32 - c.bits))) {
    Fail(std::string("the ") + name + " colour mask is not one run of bits");
  }
  if (c.bits < 8) {
    for (std::uint32_t v = 0; v < (std::uint32_t{1} << c.bits); ++v) {
      std::uint32_t out = 0;
      int filled = 0;
      while (filled < 8) {
        out = (out << c.bits) | v;
        filled += c.bits;
      }
      c.widened[v] = static_cast<std::uint8_t>(out >> (filled - 8));
    }
  }
  return c;
}

}  // namespace

// Reads the info header and everything up to the bits. The bits follow the
// colour table directly, as in a resource; a file may place them elsewhere.
DibLayout ReadDibHeader(std::span<const std::uint8_t> bytes) {
  const Reader in(bytes);
  DibLayout d;
  const std::uint32_t headerSize = in.U32(0, "bitmap header");
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t planes = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t colorsUsed = 0;
  std::size_t paletteEntrySize = 4;
  if (headerSize == 12) {  // the old core header: 16-bit sizes, 3-byte colours
    width = in.U16(4, "bitmap header");
    height = static_cast<std::int16_t>(in.U16(6, "bitmap header"));
    planes = in.U16(8, "bitmap header");
    d.bitsPerPixel = in.U16(10, "bitmap header");
    paletteEntrySize = 3;
  } else if (headerSize == 40 || headerSize == 52 || headerSize == 56 || headerSize == 108 ||
             headerSize == 124) {
    in.Need(0, headerSize, "bitmap header");
    width = in.I32(4, "bitmap header");
    height = in.I32(8, "bitmap header");
    planes = in.U16(12, "bitmap header");
    d.bitsPerPixel = in.U16(14, "bitmap header");
    compression = in.U32(16, "bitmap header");
    colorsUsed = in.U32(32, "bitmap header");
  } else {
    Fail("unsupported bitmap header size " + std::to_string(headerSize));
  }

  if (planes != 1) Fail("bitmap has " + std::to_string(planes) + " planes, expected 1");
  switch (d.bitsPerPixel) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
      break;
    default:
      Fail("unsupported bit depth " + std::to_string(d.bitsPerPixel));
  }
  if (compression == kBiBitfields) {
    if (d.bitsPerPixel != 16 && d.bitsPerPixel != 32) {
      Fail("bit-field colour masks with " + std::to_string(d.bitsPerPixel) + " bits per pixel");
    }
  } else if (compression == kBiRle8) {
    if (d.bitsPerPixel != 8 || height < 0) {
      Fail("run-length bits need 8 bits per pixel, bottom row first");
    }
    d.rle8 = true;
  } else if (compression != kBiRgb) {
    Fail("unsupported compression " + std::to_string(compression) +
         " (only uncompressed and 8-bit run-length bitmaps are read)");
  }

  if (width <= 0) Fail("bitmap width " + std::to_string(width) + " is not positive");
  if (height == 0) Fail("bitmap height is 0");
  d.topDown = height < 0;
  const std::int64_t rows = std::llabs(height);
  if (width > kMaxSide || rows > kMaxSide || width * rows > kMaxPixels) {
    Fail("bitmap of " + std::to_string(width) + " x " + std::to_string(rows) +
         " pixels is too large");
  }
  d.width = static_cast<int>(width);
  d.height = static_cast<int>(rows);
  d.stride =
      ((static_cast<std::size_t>(d.width) * static_cast<std::size_t>(d.bitsPerPixel) + 31) / 32) *
      4;

  std::size_t offset = headerSize;
  if (d.bitsPerPixel == 16 || d.bitsPerPixel == 32) {
    std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
    if (d.bitsPerPixel == 32) {
      masks[0] = 0xFF0000;
      masks[1] = 0x00FF00;
      masks[2] = 0x0000FF;
    }
    if (compression == kBiBitfields) {
      // Version 2 headers and later hold the masks; the plain info header is
      // followed by them.
      const std::size_t at = headerSize >= 52 ? 40 : headerSize;
      for (std::size_t i = 0; i < 3; ++i) masks[i] = in.U32(at + 4 * i, "colour masks");
      if (headerSize < 52) offset += 12;
    }
    d.red = ChannelFrom(masks[0], "red");
    d.green = ChannelFrom(masks[1], "green");
    d.blue = ChannelFrom(masks[2], "blue");
  }

  std::size_t entries = 0;
  if (d.bitsPerPixel <= 8) {
    const std::uint32_t most = std::uint32_t{1} << d.bitsPerPixel;
    if (colorsUsed > most) {
      Fail("colour table of " + std::to_string(colorsUsed) + " entries for " +
           std::to_string(d.bitsPerPixel) + " bits per pixel");
    }
    entries = colorsUsed == 0 ? most : colorsUsed;
  } else {
    // Deeper bitmaps may carry an optional table for palette devices: skip it.
    if (colorsUsed > 256) Fail("colour table of " + std::to_string(colorsUsed) + " entries");
    entries = colorsUsed;
  }
  in.Need(offset, entries * paletteEntrySize, "colour table");
  if (d.bitsPerPixel <= 8) {
    for (std::size_t i = 0; i < entries; ++i) {
      const std::size_t at = offset + i * paletteEntrySize;
      d.palette.push_back(Rgb(in.U8(at + 2, "colour table"), in.U8(at + 1, "colour table"),
                              in.U8(at, "colour table")));
    }
  }
  d.bitsOffset = offset + entries * paletteEntrySize;
  return d;
}

namespace {

std::uint32_t PaletteColour(const DibLayout& d, std::size_t index, int x, int y) {
  if (index >= d.palette.size()) {
    Fail("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") uses colour " +
         std::to_string(index) + " of a table of " + std::to_string(d.palette.size()));
  }
  return d.palette[index];
}

// BI_RLE8: pairs of a count and a colour, or a zero and an escape (end of
// row, end of bitmap, a move, or a count of colours given one by one, padded
// to an even length), rows from the bottom. Pixels the runs skip stay black,
// as in a bitmap the system decodes into. A run past its row or below the
// last one fails, as does bits that end before the end-of-bitmap mark.
void DecodeRle8(const Reader& in, const DibLayout& d, std::size_t at, Image& image) {
  int x = 0, row = 0;  // row counts up from the bottom
  const auto room = [&](int count) {
    if (row >= d.height || count > d.width - x) {
      Fail("a run of " + std::to_string(count) + " at (" + std::to_string(x) + ", row " +
           std::to_string(row) + ") leaves the bitmap");
    }
  };
  const auto put = [&](std::size_t index) {
    const int y = d.height - 1 - row;
    image.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(d.width) +
                 static_cast<std::size_t>(x)] = PaletteColour(d, index, x, y);
    ++x;
  };
  for (;;) {
    const std::uint8_t count = in.U8(at, "run-length bits");
    const std::uint8_t value = in.U8(at + 1, "run-length bits");
    at += 2;
    if (count > 0) {
      room(count);
      for (int i = 0; i < count; ++i) put(value);
      continue;
    }
    switch (value) {
      case 0:  // end of row
        x = 0;
        ++row;
        break;
      case 1:  // end of bitmap
        return;
      case 2: {  // move right and up
        const int dx = in.U8(at, "run-length move"), dy = in.U8(at + 1, "run-length move");
        at += 2;
        if (dx > d.width - x || dy > d.height - row) Fail("a run-length move leaves the bitmap");
        x += dx;
        row += dy;
        break;
      }
      default: {  // colours one by one
        room(value);
        const auto colours = in.Slice(at, value, "run-length colours");
        for (const std::uint8_t index : colours) put(index);
        at += value + (value & 1u);
      }
    }
  }
}

}  // namespace

Image DecodeDibBits(std::span<const std::uint8_t> bytes, const DibLayout& d,
                    std::size_t bitsOffset) {
  const Reader in(bytes);
  if (d.rle8) {
    Image image;
    image.width = d.width;
    image.height = d.height;
    image.bitsPerPixel = d.bitsPerPixel;
    image.pixels.assign(static_cast<std::size_t>(d.width) * static_cast<std::size_t>(d.height), 0);
    DecodeRle8(in, d, bitsOffset, image);
    return image;
  }
  const auto bits =
      in.Slice(bitsOffset, d.stride * static_cast<std::size_t>(d.height), "pixel data");
  Image image;
  image.width = d.width;
  image.height = d.height;
  image.bitsPerPixel = d.bitsPerPixel;
  image.topDown = d.topDown;
  image.pixels.resize(static_cast<std::size_t>(d.width) * static_cast<std::size_t>(d.height));
  for (int y = 0; y < d.height; ++y) {
    const int stored = d.topDown ? y : d.height - 1 - y;
    const auto row = bits.subspan(static_cast<std::size_t>(stored) * d.stride, d.stride);
    auto* out =
        image.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(d.width);
    for (int x = 0; x < d.width; ++x) {
      const auto ux = static_cast<std::size_t>(x);
      switch (d.bitsPerPixel) {
        case 1:
        case 4:
        case 8: {
          const auto bpp = static_cast<std::size_t>(d.bitsPerPixel);
          const std::size_t bit = ux * bpp;
          const unsigned shift = static_cast<unsigned>(8 - bpp - bit % 8);
          const std::size_t index = (row[bit / 8] >> shift) & ((1u << bpp) - 1);
          out[x] = PaletteColour(d, index, x, y);
          break;
        }
        case 16:
        case 32: {
          std::uint32_t p = row[ux * (d.bitsPerPixel / 8)] |
                            (static_cast<std::uint32_t>(row[ux * (d.bitsPerPixel / 8) + 1]) << 8);
          if (d.bitsPerPixel == 32) {
            p |= static_cast<std::uint32_t>(row[ux * 4 + 2]) << 16;
            p |= static_cast<std::uint32_t>(row[ux * 4 + 3]) << 24;
          }
          out[x] = Rgb(d.red.Expand(p), d.green.Expand(p), d.blue.Expand(p));
          break;
        }
        default:  // 24
          out[x] = Rgb(row[ux * 3 + 2], row[ux * 3 + 1], row[ux * 3]);
      }
    }
  }
  return image;
}

Image DecodeDib(std::span<const std::uint8_t> bytes) {
  const DibLayout d = ReadDibHeader(bytes);
  return DecodeDibBits(bytes, d, d.bitsOffset);
}

}  // namespace ui
