// The window's shape from its mask picture: every horizontal run of pixels
// that are not the transparent colour, one pixel high, joined into one region.
#pragma once

#include <cstdint>
#include <optional>
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
// few platform calls in all, rather than one per pixel). A transparent colour
// (a colour reference) below 1 means none is given: it becomes the colour of
// the top-left pixel, read with the rest, and the caller's variable receives
// it. A band that cannot be read adds no runs and the scan goes on; nothing
// when no pixel could be read at all (or not the top-left one that was
// needed).
std::optional<std::vector<Run>> ScanBox(toolkit::PictureBox& box, std::int32_t& transparentColour);

// The region of every run of the mask box's image, built in one call, with
// the transparent colour as for ScanBox. The region is the caller's
// (SetWindowRgn hands it to the system); 0 when the image could not be read,
// so that the window keeps its rectangle rather than an empty shape.
win::HRGN CreateSkinRegion(toolkit::PictureBox& maskBox, std::int32_t& transparentColour);

}  // namespace mod_Outline
