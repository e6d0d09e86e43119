#include "Formats.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace assetgen {
namespace {

void Put16(Bytes& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v & 0xFF));
  out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}
void Put32(Bytes& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

constexpr std::uint32_t kFileHeader = 14;
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kPixelsPerMetre96Dpi = 3780;

std::uint32_t Stride(int width, int bits) {
  return ((static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bits) + 31) / 32) * 4;
}

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;

void InfoHeader(Bytes& out, int width, int height, int bits, std::uint32_t imageSize,
                std::uint32_t colours, std::uint32_t compression = kBiRgb) {
  Put32(out, kInfoHeader);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bits));
  Put32(out, compression);
  Put32(out, imageSize);
  Put32(out, kPixelsPerMetre96Dpi);
  Put32(out, kPixelsPerMetre96Dpi);
  Put32(out, colours);
  Put32(out, 0);
}

// "BM", the file's size, and where its bits start.
void FileHeader(Bytes& out, std::uint32_t size, std::uint32_t bitsAt) {
  out.reserve(size);
  out.push_back('B');
  out.push_back('M');
  Put32(out, size);
  Put32(out, 0);
  Put32(out, bitsAt);
}

// File header, info header, the rows bottom-up, then zeros up to a multiple
// of four bytes. The pixels start right after the info header: a resource
// compiler drops the file header and a loader expects the bits there, so the
// padding goes at the end (for the 600 x 550 skin: 54 + 660,000 + 2 bytes).
template <class Row>
Bytes Bitmap(int width, int height, int bits, Row writeRow) {
  const std::uint32_t stride = Stride(width, bits);
  const std::uint32_t image = stride * static_cast<std::uint32_t>(height);
  const std::uint32_t unpadded = kFileHeader + kInfoHeader + image;
  const std::uint32_t size = (unpadded + 3) / 4 * 4;
  Bytes out;
  FileHeader(out, size, kFileHeader + kInfoHeader);
  InfoHeader(out, width, height, bits, image, 0);
  for (int y = height - 1; y >= 0; --y) {
    const std::size_t start = out.size();
    writeRow(out, y);
    out.resize(start + stride, 0);
  }
  out.resize(size, 0);
  return out;
}

}  // namespace

Bytes Bitmap16(int width, int height, const std::vector<std::uint16_t>& pixels) {
  return Bitmap(width, height, 16, [&](Bytes& out, int y) {
    for (int x = 0; x < width; ++x) {
      Put16(out, pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                        static_cast<std::size_t>(x)]);
    }
  });
}

namespace {

// One row of colour indices as BI_RLE8 pairs: a repeat as (count, index); a
// stretch of at least three unlike colours given one by one, padded to an
// even length; one or two such colours as runs of one.
void Rle8Row(Bytes& out, const std::uint8_t* row, int width) {
  int i = 0;
  const auto same3 = [&](int j) {
    return j + 2 < width && row[j] == row[j + 1] && row[j] == row[j + 2];
  };
  while (i < width) {
    int run = 1;
    while (i + run < width && run < 255 && row[i + run] == row[i]) ++run;
    if (run >= 2) {
      out.push_back(static_cast<std::uint8_t>(run));
      out.push_back(row[i]);
      i += run;
      continue;
    }
    int end = i + 1;
    while (end < width && end - i < 255 && !same3(end)) ++end;
    const int n = end - i;
    if (n < 3) {
      for (int k = i; k < end; ++k) {
        out.push_back(1);
        out.push_back(row[k]);
      }
    } else {
      out.push_back(0);
      out.push_back(static_cast<std::uint8_t>(n));
      out.insert(out.end(), row + i, row + end);
      if (n % 2 != 0) out.push_back(0);
    }
    i = end;
  }
}

}  // namespace

Bytes BitmapRle8(int width, int height, const std::vector<std::uint16_t>& pixels) {
  std::vector<std::uint16_t> colours(pixels);
  std::sort(colours.begin(), colours.end());
  colours.erase(std::unique(colours.begin(), colours.end()), colours.end());
  if (colours.size() > 256) {
    throw std::runtime_error("a run-length picture of " + std::to_string(colours.size()) +
                             " colours (at most 256)");
  }
  std::vector<std::uint8_t> index(pixels.size());
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    index[i] = static_cast<std::uint8_t>(
        std::lower_bound(colours.begin(), colours.end(), pixels[i]) - colours.begin());
  }
  Bytes bits;
  for (int y = height - 1; y >= 0; --y) {
    Rle8Row(bits, index.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width),
            width);
    bits.push_back(0);
    bits.push_back(y == 0 ? 1 : 0);  // end of bitmap after the top row, else end of row
  }
  const auto table = static_cast<std::uint32_t>(colours.size() * 4);
  const auto offset = kFileHeader + kInfoHeader + table;
  const std::uint32_t size = (offset + static_cast<std::uint32_t>(bits.size()) + 3) / 4 * 4;
  Bytes out;
  FileHeader(out, size, offset);
  InfoHeader(out, width, height, 8, static_cast<std::uint32_t>(bits.size()),
             static_cast<std::uint32_t>(colours.size()), kBiRle8);
  for (const std::uint16_t c555 : colours) {
    const Color c = From555(c555);
    out.push_back(static_cast<std::uint8_t>(c.b));
    out.push_back(static_cast<std::uint8_t>(c.g));
    out.push_back(static_cast<std::uint8_t>(c.r));
    out.push_back(0);
  }
  out.insert(out.end(), bits.begin(), bits.end());
  out.resize(size, 0);
  return out;
}

namespace {

// Writes 8-bit rows of the given colour type, compressed as hard as zlib can.
Bytes Png(int width, int height, int colourType, int channels,
          const std::vector<std::uint8_t>& rows) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png != nullptr ? png_create_info_struct(png) : nullptr;
  if (info == nullptr) {
    png_destroy_write_struct(&png, nullptr);
    throw std::runtime_error("libpng does not start");
  }
  Bytes out;
  std::vector<png_bytep> rowPointers;
  for (int y = 0; y < height; ++y) {
    rowPointers.push_back(const_cast<png_bytep>(rows.data()) +
                          static_cast<std::size_t>(y) * static_cast<std::size_t>(channels) *
                              static_cast<std::size_t>(width));
  }
  // libpng reports errors by longjmp; nothing here owns anything across it
  // but the write struct, which is destroyed on both paths.
  if (setjmp(png_jmpbuf(png))) {  // NOLINT(cert-err52-cpp)
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("libpng cannot write the picture");
  }
  png_set_write_fn(
      png, &out,
      [](png_structp p, png_bytep data, png_size_t length) {
        auto* sink = static_cast<Bytes*>(png_get_io_ptr(p));
        sink->insert(sink->end(), data, data + length);
      },
      nullptr);
  png_set_compression_level(png, 9);
  png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
               colourType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_set_rows(png, info, rowPointers.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

}  // namespace

Bytes PngArgb(const DeepImage& image) {
  std::vector<std::uint8_t> rows;
  rows.reserve(image.argb.size() * 4);
  for (std::uint32_t p : image.argb) {
    for (int shift : {16, 8, 0, 24}) rows.push_back(static_cast<std::uint8_t>(p >> shift));
  }
  return Png(image.width, image.height, PNG_COLOR_TYPE_RGB_ALPHA, 4, rows);
}

Bytes Bitmap24(const Canvas& canvas) {
  const auto channel = [](double v) {
    return static_cast<std::uint8_t>(std::lround(v < 0 ? 0 : v > 255 ? 255 : v));
  };
  return Bitmap(canvas.Width(), canvas.Height(), 24, [&](Bytes& out, int y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const Color c = canvas.At(x, y);
      out.push_back(channel(c.b));
      out.push_back(channel(c.g));
      out.push_back(channel(c.r));
    }
  });
}

namespace {

// One image as an icon resource holds it: info header of twice the height,
// the palette, the 4-bit colour rows, then the 1-bit AND mask rows, bottom-up.
Bytes IconDib(const IconImage& image) {
  Bytes out;
  const std::uint32_t colourStride = Stride(image.width, 4);
  const std::uint32_t maskStride = Stride(image.width, 1);
  const auto rows = static_cast<std::uint32_t>(image.height);
  InfoHeader(out, image.width, image.height * 2, 4, (colourStride + maskStride) * rows, 16);
  for (std::uint32_t rgb : kVga) {
    out.push_back(static_cast<std::uint8_t>(rgb & 0xFF));
    out.push_back(static_cast<std::uint8_t>((rgb >> 8) & 0xFF));
    out.push_back(static_cast<std::uint8_t>(rgb >> 16));
    out.push_back(0);
  }
  const auto at = [&](int x, int y) {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
           static_cast<std::size_t>(x);
  };
  for (int y = image.height - 1; y >= 0; --y) {
    Bytes row(colourStride, 0);
    for (int x = 0; x < image.width; ++x) {
      // Transparent pixels are black in the colour bits, so the XOR leaves the screen as it is.
      const std::uint8_t index = image.transparent[at(x, y)] ? 0 : image.index[at(x, y)];
      row[static_cast<std::size_t>(x / 2)] |=
          static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  for (int y = image.height - 1; y >= 0; --y) {
    Bytes row(maskStride, 0);
    for (int x = 0; x < image.width; ++x) {
      if (image.transparent[at(x, y)]) {
        row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

// A 32-bit image as an icon resource holds it: info header of twice the
// height, the BGRA rows, then an AND mask that is set exactly where alpha is
// 0, for whatever draws the image without its alpha.
Bytes DeepDib(const DeepImage& image) {
  Bytes out;
  const std::uint32_t maskStride = Stride(image.width, 1);
  const auto rows = static_cast<std::uint32_t>(image.height);
  InfoHeader(out, image.width, image.height * 2, 32, (Stride(image.width, 32) + maskStride) * rows,
             0);
  const auto at = [&](int x, int y) {
    return image.argb[static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                      static_cast<std::size_t>(x)];
  };
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) Put32(out, at(x, y));
  }
  for (int y = image.height - 1; y >= 0; --y) {
    Bytes row(maskStride, 0);
    for (int x = 0; x < image.width; ++x) {
      if ((at(x, y) >> 24) == 0) {
        row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

struct Entry {
  int width;
  int height;
  int colours;  // 0 for more than 255
  int bits;
  int hotspotX;
  int hotspotY;
  Bytes data;
};

Bytes Directory(const std::vector<Entry>& entries, bool cursor) {
  Bytes out;
  Put16(out, 0);
  Put16(out, cursor ? 2 : 1);
  Put16(out, static_cast<std::uint32_t>(entries.size()));
  auto offset = static_cast<std::uint32_t>(6 + 16 * entries.size());
  for (const Entry& e : entries) {
    // A size byte of 0 stands for 256.
    out.push_back(static_cast<std::uint8_t>(e.width & 0xFF));
    out.push_back(static_cast<std::uint8_t>(e.height & 0xFF));
    out.push_back(static_cast<std::uint8_t>(e.colours));
    out.push_back(0);
    if (cursor) {
      Put16(out, static_cast<std::uint32_t>(e.hotspotX));
      Put16(out, static_cast<std::uint32_t>(e.hotspotY));
    } else {
      Put16(out, 1);  // planes
      Put16(out, static_cast<std::uint32_t>(e.bits));
    }
    Put32(out, static_cast<std::uint32_t>(e.data.size()));
    Put32(out, offset);
    offset += static_cast<std::uint32_t>(e.data.size());
  }
  for (const Entry& e : entries) out.insert(out.end(), e.data.begin(), e.data.end());
  return out;
}

std::vector<Entry> Entries(const std::vector<IconImage>& images,
                           const std::vector<DeepImage>& deep) {
  std::vector<Entry> entries;
  for (const IconImage& i : images) {
    entries.push_back({i.width, i.height, 16, 4, i.hotspotX, i.hotspotY, IconDib(i)});
  }
  for (const DeepImage& d : deep) {
    entries.push_back({d.width, d.height, 0, 32, d.hotspotX, d.hotspotY,
                       d.width >= 256 ? PngArgb(d) : DeepDib(d)});
  }
  return entries;
}

}  // namespace

Bytes IconFile(const std::vector<IconImage>& images, const std::vector<DeepImage>& deep) {
  return Directory(Entries(images, deep), false);
}

Bytes CursorFile(const IconImage& image, const std::vector<DeepImage>& deep) {
  return Directory(Entries({image}, deep), true);
}

}  // namespace assetgen
