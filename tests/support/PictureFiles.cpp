#include "support/PictureFiles.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

namespace testing_support {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kIconDirSize = 6;
constexpr std::size_t kIconEntrySize = 16;

[[noreturn]] void Fail(const std::string& what) { throw ui::BitmapError(what); }

void Need(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t count,
          const char* what) {
  if (offset > bytes.size() || count > bytes.size() - offset) {
    Fail(std::string("truncated ") + what + ": needs " + std::to_string(offset + count) +
         " bytes, has " + std::to_string(bytes.size()));
  }
}

std::uint32_t Le(std::span<const std::uint8_t> bytes, std::size_t offset, std::size_t width,
                 const char* what) {
  Need(bytes, offset, width, what);
  std::uint32_t value = 0;
  for (std::size_t i = width; i-- > 0;) value = (value << 8) | bytes[offset + i];
  return value;
}

}  // namespace

ui::Image DecodeBitmapFile(std::span<const std::uint8_t> bytes) {
  Need(bytes, 0, kFileHeaderSize, "file header");
  if (bytes[0] != 'B' || bytes[1] != 'M') Fail("not a bitmap file: no \"BM\" signature");
  const std::uint32_t fileSize = Le(bytes, 2, 4, "file header");
  const std::uint32_t bitsAt = Le(bytes, 10, 4, "file header");
  if (fileSize > bytes.size()) {
    Fail("truncated bitmap file: header says " + std::to_string(fileSize) + " bytes, has " +
         std::to_string(bytes.size()));
  }
  const auto dib = bytes.subspan(kFileHeaderSize);
  const ui::DibLayout d = ui::ReadDibHeader(dib);
  if (bitsAt < kFileHeaderSize + d.bitsOffset) {
    Fail("pixel data offset " + std::to_string(bitsAt) + " lies inside the headers (they end at " +
         std::to_string(kFileHeaderSize + d.bitsOffset) + ")");
  }
  return ui::DecodeDibBits(dib, d, bitsAt - kFileHeaderSize);
}

ui::Image DecodeIconImage(std::span<const std::uint8_t> bytes) {
  static constexpr std::uint8_t kPng[] = {0x89, 'P', 'N', 'G'};
  if (bytes.size() >= 4 && std::equal(std::begin(kPng), std::end(kPng), bytes.begin())) {
    Fail("PNG-compressed icon images are not supported");
  }
  ui::DibLayout d = ui::ReadDibHeader(bytes);
  // The header counts the colour rows and the mask's rows together.
  if (d.topDown || d.height % 2 != 0) {
    Fail("icon image height " + std::to_string(d.topDown ? -d.height : d.height) +
         " is not twice a positive height");
  }
  d.height /= 2;
  ui::Image image = ui::DecodeDibBits(bytes, d, d.bitsOffset);
  const std::size_t maskStride = ((static_cast<std::size_t>(d.width) + 31) / 32) * 4;
  const std::size_t maskAt = d.bitsOffset + d.stride * static_cast<std::size_t>(d.height);
  Need(bytes, maskAt, maskStride * static_cast<std::size_t>(d.height), "AND mask");
  const auto mask = bytes.subspan(maskAt, maskStride * static_cast<std::size_t>(d.height));
  image.transparent.resize(image.pixels.size());
  for (int y = 0; y < d.height; ++y) {
    const auto row = mask.subspan(static_cast<std::size_t>(d.height - 1 - y) * maskStride);
    for (int x = 0; x < d.width; ++x) {
      const auto ux = static_cast<std::size_t>(x);
      image.transparent[static_cast<std::size_t>(y) * static_cast<std::size_t>(d.width) + ux] =
          static_cast<std::uint8_t>((row[ux / 8] >> (7 - ux % 8)) & 1);
    }
  }
  return image;
}

IconDirectory ReadIconDirectory(std::span<const std::uint8_t> bytes) {
  if (Le(bytes, 0, 2, "icon directory") != 0) Fail("not an icon file: reserved word is not 0");
  const std::uint32_t type = Le(bytes, 2, 2, "icon directory");
  if (type != 1 && type != 2) {
    Fail("not an icon or cursor file: type " + std::to_string(type));
  }
  const std::size_t count = Le(bytes, 4, 2, "icon directory");
  if (count == 0) Fail("icon file holds no image");
  const std::size_t directoryEnd = kIconDirSize + count * kIconEntrySize;
  Need(bytes, 0, directoryEnd, "icon directory");

  IconDirectory directory;
  directory.kind = type == 1 ? IconKind::Icon : IconKind::Cursor;
  for (std::size_t i = 0; i < count; ++i) {
    const std::size_t entry = kIconDirSize + i * kIconEntrySize;
    const std::uint32_t size = Le(bytes, entry + 8, 4, "icon directory");
    const std::uint32_t offset = Le(bytes, entry + 12, 4, "icon directory");
    if (offset < directoryEnd) {
      Fail("icon image " + std::to_string(i) + " starts inside the directory");
    }
    Need(bytes, offset, size, "icon image");
    directory.entries.push_back({bytes[entry], bytes[entry + 1], bytes[entry + 2],
                                 static_cast<int>(Le(bytes, entry + 4, 2, "icon directory")),
                                 static_cast<int>(Le(bytes, entry + 6, 2, "icon directory")),
                                 bytes.subspan(offset, size)});
  }
  return directory;
}

IconFile DecodeIconFile(std::span<const std::uint8_t> bytes) {
  const IconDirectory directory = ReadIconDirectory(bytes);
  IconFile file;
  file.kind = directory.kind;
  for (std::size_t i = 0; i < directory.entries.size(); ++i) {
    const IconEntry& entry = directory.entries[i];
    const int width = entry.width;
    const int height = entry.height;
    ui::Image image = DecodeIconImage(entry.data);
    // A size byte of 0 stands for 256.
    if (image.width != (width == 0 ? 256 : width) || image.height != (height == 0 ? 256 : height)) {
      Fail("icon image " + std::to_string(i) + " is " + std::to_string(image.width) + " x " +
           std::to_string(image.height) + " but its directory entry says " + std::to_string(width) +
           " x " + std::to_string(height));
    }
    if (file.kind == IconKind::Cursor) {
      image.hotspotX = entry.planesOrHotspotX;
      image.hotspotY = entry.bitsOrHotspotY;
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

}  // namespace testing_support
