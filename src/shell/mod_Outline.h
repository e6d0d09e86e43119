// The window's shape from its mask picture: every horizontal run of pixels
// that are not the transparent colour, one pixel high, joined into one region.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Gdi.h"
#include "platform/PixelRuns.h"
#include "toolkit/PictureBox.h"

namespace mod_Outline {

// One run of opaque pixels: columns left to right - 1 of row top.
using Run = platform::PixelRun;

// The runs of a width x height picture, top row first: each row scanned left
// to right, each maximal run of pixels whose value differs from `transparent`
// (exactly, on all 32 bits; both in the same colour order) one run, in row
// order. Runs are never merged across rows.
std::vector<Run> ScanRuns(const std::vector<std::uint32_t>& pixels, int width, int height,
                          std::uint32_t transparent);

// The runs of the box's image, its pixels read a band of rows at a time (a
// few platform calls in all, rather than one per pixel); transparent is in
// the pixels' DIB order, 0x00RRGGBB.
std::vector<Run> ScanBox(toolkit::PictureBox& box, std::uint32_t transparent);

// The region of every run of the mask box's image, built in one call. A
// transparent colour below 1 means none is given: it becomes the colour of
// the top-left pixel, and the caller's variable receives it. The region is
// the caller's (SetWindowRgn hands it to the system).
win::HRGN CreateSkinRegion(toolkit::PictureBox& maskBox, std::int32_t& transparentColour);

}  // namespace mod_Outline
