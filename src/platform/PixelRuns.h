// Runs of pixels that are not a given colour, and the region they make: how a
// picture with a transparent colour becomes a window's shape (the main
// window's mask, a skinned button's mask).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Gdi.h"

namespace platform {

// One run of pixels of one row: columns left to right - 1 of row top.
struct PixelRun {
  int left;
  int top;
  int right;  // exclusive
  bool operator==(const PixelRun&) const = default;
};

// Colour references (0x00BBGGRR) and DIB pixels (0x00RRGGBB) hold red and
// blue the other way round; the same swap turns either into the other.
constexpr std::uint32_t SwapRedBlue(std::uint32_t color) {
  return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

// Adds, row by row and left to right, each maximal run of pixels whose value
// differs from `transparent` (exactly, on all 32 bits) in `count` rows of
// `width` pixels; the first row is row firstY.
void AppendPixelRuns(const std::uint32_t* rows, int width, int count, int firstY,
                     std::uint32_t transparent, std::vector<PixelRun>& runs);

// The union of the runs, made in one call; an empty region for none. The
// region is the caller's.
win::HRGN RegionFromRuns(const std::vector<PixelRun>& runs);

}  // namespace platform
