// The picture files the tests read: whole .bmp files (the assets as the
// generator writes them), .ico and .cur files, and their bytes from disk.
// The program itself decodes only the bitmaps of its resources (ui/Dib.h);
// these containers are built on that decoder and fail as it does, with
// ui::BitmapError.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "ui/Dib.h"

namespace testing_support {

enum class IconKind { Icon = 1, Cursor = 2 };

struct IconFile {
  IconKind kind = IconKind::Icon;
  std::vector<ui::Image> images;  // in directory order
};

// One entry of an .ico or .cur file's directory as declared, and the bytes of
// the image it points at (a DIB, or a PNG for a large icon image).
struct IconEntry {
  int width = 0;  // 0 stands for 256
  int height = 0;
  int colours = 0;           // 0 for more than 255
  int planesOrHotspotX = 0;  // colour planes of an icon, hot spot column of a cursor
  int bitsOrHotspotY = 0;    // bit count of an icon, hot spot row of a cursor
  std::span<const std::uint8_t> data;
};

struct IconDirectory {
  IconKind kind = IconKind::Icon;
  std::vector<IconEntry> entries;
};

// A whole .bmp file, starting with "BM".
ui::Image DecodeBitmapFile(std::span<const std::uint8_t> bytes);

// The directory of a whole .ico or .cur file, each image within the file
// and after the directory; the images themselves are not read.
IconDirectory ReadIconDirectory(std::span<const std::uint8_t> bytes);

// A whole .ico or .cur file.
IconFile DecodeIconFile(std::span<const std::uint8_t> bytes);

// One icon or cursor image: a DIB of twice the image's height holding the
// colour bits followed by the 1-bit AND mask (the data of an icon resource).
ui::Image DecodeIconImage(std::span<const std::uint8_t> bytes);

// The whole content of a file; ui::BitmapError when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);

}  // namespace testing_support
