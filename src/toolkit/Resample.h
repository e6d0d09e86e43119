// Pictures resized for a density the program has no set for.
#pragma once

#include "ui/Dib.h"

namespace toolkit {

// Resized with a filter that keeps lettering and edges clean: each target
// pixel the area-weighted mean of the source pixels it covers when
// shrinking, bilinear between source pixel centres when growing.
ui::Image Resample(const ui::Image& source, int width, int height);

// Resized by taking, for each target pixel, the source pixel under its centre:
// a two-coloured picture (a window mask) stays two-coloured.
ui::Image ResampleNearest(const ui::Image& source, int width, int height);

// The rectangle of a picture at (x, y), clipped to the picture.
ui::Image Crop(const ui::Image& source, int x, int y, int width, int height);

}  // namespace toolkit
