#include "shell/mod_Outline.h"

namespace mod_Outline {

std::vector<Run> ScanRuns(const std::vector<win::COLORREF>& pixels, int width, int height,
                          win::COLORREF transparent) {
  std::vector<Run> runs;
  if (width <= 0 || height <= 0) return runs;
  if (pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    return runs;
  }
  for (int y = 0; y < height; ++y) {
    const win::COLORREF* row = pixels.data() + static_cast<std::size_t>(y) * width;
    int x = 0;
    while (x < width) {
      while (x < width && row[x] == transparent) ++x;
      if (x == width) break;
      const int start = x;
      while (x < width && row[x] != transparent) ++x;
      runs.push_back({start, y, x});
    }
  }
  return runs;
}

}  // namespace mod_Outline
