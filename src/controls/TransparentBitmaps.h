// The button's bitmap routines: copy a picture between device contexts with
// one key colour left out, or paint a picture's shape in a single colour.
// They keep no state and free every DC and bitmap they make before returning.
//
// A key of -1 takes the key colour from the source: its pixel (1, 1) in
// PaintTransparentPicture, its pixel (0, 0) in MakeMask and
// BlitTransparentBetween. Sources and targets are the device contexts of
// picture surfaces; the colour surface of PaintHighlightedPicture is the
// picture box itself, because setting its back colour fills it.
#pragma once

#include <cstdint>

#include "platform/Gdi.h"
#include "toolkit/PictureBox.h"

namespace controls {

void PaintTransparentPicture(win::HDC dc, win::HDC source, win::POINT destPoint,
                             win::POINT sourcePoint, int width, int height, std::int32_t key);

// Writes the source's mask into the target: the target's background colour
// where the source has the key colour, its text colour elsewhere.
bool MakeMask(win::HDC source, win::HDC target, std::int32_t key, int targetX, int targetY,
              int sourceX, int sourceY, int width, int height);

bool BlitBetween(win::HDC source, win::HDC target, win::DWORD operation, int targetX, int targetY,
                 int sourceX, int sourceY, int width, int height);

bool BlitTransparentBetween(win::HDC source, win::HDC target, std::int32_t key, int targetX,
                            int targetY, int sourceX, int sourceY, int width, int height);

// Paints every pixel of the source that differs from its top-left pixel in
// colour; the rest of the target is untouched.
void PaintHighlightedPicture(win::HDC source, win::HDC target, win::HDC maskSurface,
                             toolkit::PictureBox& colourSurface, win::COLORREF colour, int targetX,
                             int targetY, int sourceX, int sourceY, int width, int height);

}  // namespace controls
