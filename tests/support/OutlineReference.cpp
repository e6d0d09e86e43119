#include "support/OutlineReference.h"

#include "platform/Services.h"

namespace testing_support {

win::HRGN CreateSkinRegionPixelByPixel(toolkit::PictureBox& maskBox,
                                       std::int32_t& transparentColour) {
  auto& gdi = platform::Use<platform::Gdi>();
  if (transparentColour < 1) {
    transparentColour = static_cast<std::int32_t>(gdi.GetPixel(maskBox.hdc(), 0, 0));
  }
  const auto transparent = static_cast<win::COLORREF>(transparentColour);
  const int width = maskBox.Width();
  const int height = maskBox.Height();
  const win::HRGN result = gdi.CreateRectRgn(0, 0, 0, 0);
  for (int y = 0; y < height; ++y) {
    int x = 0;
    while (x < width) {
      while (x < width && gdi.GetPixel(maskBox.hdc(), x, y) == transparent) ++x;
      if (x >= width) break;
      const int start = x;
      while (x < width && gdi.GetPixel(maskBox.hdc(), x, y) != transparent) ++x;
      const win::HRGN run = gdi.CreateRectRgn(start, y, x, y + 1);
      gdi.CombineRgn(result, result, run, win::RGN_OR);
      gdi.DeleteObject(run);
    }
  }
  return result;
}

bool SamePixels(platform::Gdi& gdi, win::HRGN a, win::HRGN b, int width, int height, int margin) {
  for (int y = -margin; y < height + margin; ++y) {
    for (int x = -margin; x < width + margin; ++x) {
      if ((gdi.PtInRegion(a, x, y) != 0) != (gdi.PtInRegion(b, x, y) != 0)) return false;
    }
  }
  return true;
}

}  // namespace testing_support
