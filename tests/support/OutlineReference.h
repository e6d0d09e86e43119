// The window-shape scan done the slow way, one platform pixel read per pixel
// and one region call per run: the reference the bulk scan must match, and
// what the benchmark measures it against.
#pragma once

#include <cstdint>

#include "platform/Gdi.h"
#include "toolkit/PictureBox.h"

namespace testing_support {

win::HRGN CreateSkinRegionPixelByPixel(toolkit::PictureBox& maskBox,
                                       std::int32_t& transparentColour);

// Whether two regions hold the same pixels within (-margin, -margin) to
// (width + margin, height + margin).
bool SamePixels(platform::Gdi& gdi, win::HRGN a, win::HRGN b, int width, int height,
                int margin = 2);

}  // namespace testing_support
