// The window shape from the shipped mask on the real GDI (under Wine or on
// Windows): one platform pixel read per pixel against the one bulk read, in
// one run. Prints both times and their ratio; fails when the regions differ.
//
//   SkinRegion_bench.exe [mask.bmp]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/Ownership.h"
#include "platform/win32/Win32Platform.h"
#include "shell/mod_Outline.h"
#include "support/OutlineReference.h"
#include "support/PictureFiles.h"
#include "toolkit/PictureBox.h"
#include "toolkit/Pictures.h"

namespace {

using Clock = std::chrono::steady_clock;

template <class Build>
double MedianMilliseconds(int runs, Build build) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    const platform::UniqueGdiObject region(build());
    times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  win32::Win32Platform platform;
  const std::string path = argc > 1 ? argv[1] : KV_SOURCE_DIR "/src/ui/assets/mask.bmp";
  toolkit::PictureBox box(0, 0, 1, 1);
  try {
    box.SetPicture(toolkit::PictureOf(
        testing_support::DecodeBitmapFile(testing_support::ReadFileBytes(path))));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "cannot read the mask %s: %s\n", path.c_str(), error.what());
    return 2;
  }

  std::int32_t colour = 0;
  const platform::UniqueGdiObject slow(testing_support::CreateSkinRegionPixelByPixel(box, colour));
  colour = 0;
  const platform::UniqueGdiObject bulk(mod_Outline::CreateSkinRegion(box, colour));
  const bool same =
      testing_support::SamePixels(platform.gdi, slow.get(), bulk.get(), box.Width(), box.Height());

  const double perPixel = MedianMilliseconds(3, [&] {
    std::int32_t c = 0;
    return testing_support::CreateSkinRegionPixelByPixel(box, c);
  });
  const double bulkRead = MedianMilliseconds(21, [&] {
    std::int32_t c = 0;
    return mod_Outline::CreateSkinRegion(box, c);
  });
  std::printf("mask %d x %d\n", box.Width(), box.Height());
  std::printf("per-pixel scan: %.2f ms (median of 3)\n", perPixel);
  std::printf("bulk scan:      %.3f ms (median of 21)\n", bulkRead);
  std::printf("ratio:          %.0f x\n", perPixel / bulkRead);
  std::printf("regions %s\n", same ? "identical" : "DIFFER");
  return same ? 0 : 1;
}
