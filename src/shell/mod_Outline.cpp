#include "shell/mod_Outline.h"

#include <algorithm>

#include "platform/Ownership.h"
#include "platform/Services.h"

namespace mod_Outline {

namespace {

using platform::AppendPixelRuns;
using platform::SwapRedBlue;

// Rows read per platform call: a small buffer the reads reuse stays in the
// cache, where a fresh copy of the whole image (1.3 MB for the shipped mask)
// costs more to allocate and fault in than the scan itself.
constexpr int kBandRows = 16;

}  // namespace

std::vector<Run> ScanRuns(const std::vector<std::uint32_t>& pixels, int width, int height,
                          std::uint32_t transparent) {
  std::vector<Run> runs;
  if (width <= 0 || height <= 0) return runs;
  if (pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    return runs;
  }
  AppendPixelRuns(pixels.data(), width, height, 0, transparent, runs);
  return runs;
}

std::optional<std::vector<Run>> ScanBox(toolkit::PictureBox& box, std::int32_t& transparentColour) {
  std::vector<Run> runs;
  const int width = box.Width();
  const int height = box.Height();
  if (width <= 0 || height <= 0) return runs;
  auto& gdi = platform::Use<platform::Gdi>();
  // A box that took its picture's size shows exactly that picture: read it
  // where it is. Any other image is copied once and the copy read.
  const platform::PicturePtr& picture = box.Picture();
  win::HBITMAP source = 0;
  platform::UniqueGdiObject copy;
  if (platform::HasImage(picture) && picture->Kind() == platform::PictureKind::Bitmap &&
      picture->WidthPixels() == width && picture->HeightPixels() == height) {
    source = picture->Handle();
  } else {
    copy.reset(gdi.CreateDIBitmap(box.hdc(), width, height, nullptr));
    const platform::UniqueDC dc(gdi.CreateCompatibleDC(box.hdc()));
    // Deselected before the read: GetDIBits refuses a selected bitmap.
    const platform::Selection copying(dc.get(), copy.get());
    (void)gdi.BitBlt(dc.get(), 0, 0, width, height, box.hdc(), 0, 0, win::SRCCOPY);
    source = copy.get();
  }
  // The transparent colour comes from the very pixels compared with it: a
  // pixel read through the box's DC may be rounded to the display's depth.
  const bool takeTopLeft = transparentColour < 1;
  std::uint32_t transparent = SwapRedBlue(static_cast<std::uint32_t>(transparentColour));
  bool readAny = false;
  std::vector<std::uint32_t> band(static_cast<std::size_t>(width) * kBandRows);
  for (int top = 0; top < height; top += kBandRows) {
    const int rows = std::min(kBandRows, height - top);
    if (gdi.GetDIBits(box.hdc(), source, static_cast<win::UINT>(top), static_cast<win::UINT>(rows),
                      band.data()) != rows) {
      if (top == 0 && takeTopLeft) break;  // no colour to compare with
      continue;
    }
    if (top == 0 && takeTopLeft) {
      transparent = band[0];
      transparentColour = static_cast<std::int32_t>(SwapRedBlue(transparent));
    }
    readAny = true;
    AppendPixelRuns(band.data(), width, rows, top, transparent, runs);
  }
  if (!readAny) return std::nullopt;
  return runs;
}

win::HRGN CreateSkinRegion(toolkit::PictureBox& maskBox, std::int32_t& transparentColour) {
  const std::optional<std::vector<Run>> runs = ScanBox(maskBox, transparentColour);
  if (!runs) return 0;
  return platform::RegionFromRuns(*runs);
}

}  // namespace mod_Outline
