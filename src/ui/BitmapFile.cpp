#include "ui/BitmapFile.h"

#include <array>
#include <bit>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace ui {
namespace {

// Large enough for any picture of the program, small enough that a forged
// header cannot make the decoder allocate gigabytes.
constexpr std::int64_t kMaxSide = 16384;
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 26;

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kIconDirSize = 6;
constexpr std::size_t kIconEntrySize = 16;

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

// One colour channel of a bit-field pixel, widened to 8 bits by repeating its
// bits (so 5-bit 31 becomes 255 and 0 stays 0).
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  // The widened value of each channel value of up to 8 bits, worked out once
  // rather than for every pixel.
  std::array<std::uint8_t, 256> widened{};

  static Channel From(std::uint32_t mask, const char* name) {
    Channel c;
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
  std::uint32_t Expand(std::uint32_t pixel) const {
    const std::uint32_t v = (pixel & mask) >> shift;
    return bits >= 8 ? v >> (bits - 8) : widened[v];
  }
};

struct DibLayout {
  int width = 0;
  int height = 0;  // rows of colour bits (for icons: half the header's height)
  bool topDown = false;
  int bitsPerPixel = 0;
  std::vector<std::uint32_t> palette;
  Channel red, green, blue;
  std::size_t bitsOffset = 0;  // where the pixel rows start, from the header's start
  std::size_t stride = 0;
};

// Reads the info header and everything up to the bits. The bits follow the
// colour table directly, as in a resource; a file may place them elsewhere.
DibLayout ReadDibHeader(const Reader& in, bool iconImage) {
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
  } else if (compression != kBiRgb) {
    Fail("unsupported compression " + std::to_string(compression) +
         " (only uncompressed bitmaps are read)");
  }

  if (iconImage) {
    if (height <= 0 || height % 2 != 0) {
      Fail("icon image height " + std::to_string(height) + " is not twice a positive height");
    }
    height /= 2;
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
    d.red = Channel::From(masks[0], "red");
    d.green = Channel::From(masks[1], "green");
    d.blue = Channel::From(masks[2], "blue");
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

Image DecodeBits(const Reader& in, const DibLayout& d, std::size_t bitsOffset) {
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
          if (index >= d.palette.size()) {
            Fail("pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") uses colour " +
                 std::to_string(index) + " of a table of " + std::to_string(d.palette.size()));
          }
          out[x] = d.palette[index];
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

}  // namespace

Image DecodeDib(std::span<const std::uint8_t> bytes) {
  const Reader in(bytes);
  const DibLayout d = ReadDibHeader(in, false);
  return DecodeBits(in, d, d.bitsOffset);
}

Image DecodeBitmapFile(std::span<const std::uint8_t> bytes) {
  const Reader in(bytes);
  if (in.U8(0, "file header") != 'B' || in.U8(1, "file header") != 'M') {
    Fail("not a bitmap file: no \"BM\" signature");
  }
  const std::uint32_t fileSize = in.U32(2, "file header");
  const std::uint32_t bitsAt = in.U32(10, "file header");
  if (fileSize > bytes.size()) {
    Fail("truncated bitmap file: header says " + std::to_string(fileSize) + " bytes, has " +
         std::to_string(bytes.size()));
  }
  const Reader dib(bytes.subspan(kFileHeaderSize));
  const DibLayout d = ReadDibHeader(dib, false);
  if (bitsAt < kFileHeaderSize + d.bitsOffset) {
    Fail("pixel data offset " + std::to_string(bitsAt) + " lies inside the headers (they end at " +
         std::to_string(kFileHeaderSize + d.bitsOffset) + ")");
  }
  return DecodeBits(dib, d, bitsAt - kFileHeaderSize);
}

Image DecodeIconImage(std::span<const std::uint8_t> bytes) {
  static constexpr std::uint8_t kPng[] = {0x89, 'P', 'N', 'G'};
  if (bytes.size() >= 4 && std::equal(std::begin(kPng), std::end(kPng), bytes.begin())) {
    Fail("PNG-compressed icon images are not supported");
  }
  const Reader in(bytes);
  const DibLayout d = ReadDibHeader(in, true);
  Image image = DecodeBits(in, d, d.bitsOffset);
  const std::size_t maskStride = ((static_cast<std::size_t>(d.width) + 31) / 32) * 4;
  const std::size_t maskAt = d.bitsOffset + d.stride * static_cast<std::size_t>(d.height);
  const auto mask = in.Slice(maskAt, maskStride * static_cast<std::size_t>(d.height), "AND mask");
  image.transparent.resize(image.pixels.size());
  for (int y = 0; y < d.height; ++y) {
    const int stored = d.topDown ? y : d.height - 1 - y;
    const auto row = mask.subspan(static_cast<std::size_t>(stored) * maskStride, maskStride);
    for (int x = 0; x < d.width; ++x) {
      const auto ux = static_cast<std::size_t>(x);
      image.transparent[static_cast<std::size_t>(y) * static_cast<std::size_t>(d.width) + ux] =
          static_cast<std::uint8_t>((row[ux / 8] >> (7 - ux % 8)) & 1);
    }
  }
  return image;
}

IconFile DecodeIconFile(std::span<const std::uint8_t> bytes) {
  const Reader in(bytes);
  if (in.U16(0, "icon directory") != 0) Fail("not an icon file: reserved word is not 0");
  const std::uint16_t type = in.U16(2, "icon directory");
  if (type != 1 && type != 2) {
    Fail("not an icon or cursor file: type " + std::to_string(type));
  }
  const std::size_t count = in.U16(4, "icon directory");
  if (count == 0) Fail("icon file holds no image");
  const std::size_t directoryEnd = kIconDirSize + count * kIconEntrySize;
  in.Need(0, directoryEnd, "icon directory");

  IconFile file;
  file.kind = type == 1 ? IconKind::Icon : IconKind::Cursor;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = kIconDirSize + i * kIconEntrySize;
    const int width = in.U8(entry, "icon directory");
    const int height = in.U8(entry + 1, "icon directory");
    const std::uint32_t size = in.U32(entry + 8, "icon directory");
    const std::uint32_t offset = in.U32(entry + 12, "icon directory");
    if (offset < directoryEnd) {
      Fail("icon image " + std::to_string(i) + " starts inside the directory");
    }
    Image image = DecodeIconImage(in.Slice(offset, size, "icon image"));
    // A size byte of 0 stands for 256.
    if (image.width != (width == 0 ? 256 : width) || image.height != (height == 0 ? 256 : height)) {
      Fail("icon image " + std::to_string(i) + " is " + std::to_string(image.width) + " x " +
           std::to_string(image.height) + " but its directory entry says " + std::to_string(width) +
           " x " + std::to_string(height));
    }
    if (file.kind == IconKind::Cursor) {
      image.hotspotX = in.U16(entry + 4, "icon directory");
      image.hotspotY = in.U16(entry + 6, "icon directory");
      if (image.hotspotX >= image.width || image.hotspotY >= image.height) {
        Fail("cursor hot spot (" + std::to_string(image.hotspotX) + ", " +
             std::to_string(image.hotspotY) + ") lies outside the image");
      }
    }
    file.images.push_back(std::move(image));
  }
  return file;
}

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path) {
  std::ifstream stream(path, std::ios::binary);
  if (!stream) Fail("cannot open " + path.string());
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(stream)),
                                  std::istreambuf_iterator<char>());
  if (stream.bad()) Fail("cannot read " + path.string());
  return bytes;
}

}  // namespace ui
