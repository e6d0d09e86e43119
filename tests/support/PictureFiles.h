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

// A whole .bmp file, starting with "BM".
ui::Image DecodeBitmapFile(std::span<const std::uint8_t> bytes);

// A whole .ico or .cur file.
IconFile DecodeIconFile(std::span<const std::uint8_t> bytes);

// One icon or cursor image: a DIB of twice the image's height holding the
// colour bits followed by the 1-bit AND mask (the data of an icon resource).
ui::Image DecodeIconImage(std::span<const std::uint8_t> bytes);

// The whole content of a file; ui::BitmapError when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);

}  // namespace testing_support
