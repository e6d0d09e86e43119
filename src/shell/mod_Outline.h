// The window's shape from its mask picture: every horizontal run of pixels
// that are not the transparent colour, one pixel high, joined into one region.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/WinTypes.h"

namespace mod_Outline {

// One run of opaque pixels: columns left to right - 1 of row top.
struct Run {
  int left;
  int top;
  int right;  // exclusive
  bool operator==(const Run&) const = default;
};

// The runs of a width x height picture given as colour references, top row
// first: each row scanned left to right, each maximal run of pixels whose
// colour differs from `transparent` (exactly, on all 32 bits) one run, in row
// order. Runs are never merged across rows.
std::vector<Run> ScanRuns(const std::vector<win::COLORREF>& pixels, int width, int height,
                          win::COLORREF transparent);

}  // namespace mod_Outline
