#include "platform/PixelRuns.h"

#include <bit>

#if defined(__SSE2__) || defined(_M_X64)
#define KV_PIXEL_RUNS_SSE2 1
#include <emmintrin.h>
#endif

#include "platform/Services.h"

namespace platform {
namespace {

// The first x from `x` on whose pixel is (or, with `equal` false, is not) the
// value; width when there is none. Four pixels a step where the processor
// compares four at once: the scan looks at every pixel of the picture.
int Seek(const std::uint32_t* row, int x, int width, std::uint32_t value, bool equal) {
#if defined(KV_PIXEL_RUNS_SSE2)
  const __m128i wanted = _mm_set1_epi32(static_cast<int>(value));
  for (; x + 4 <= width; x += 4) {
    const __m128i four = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
    int hits = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(four, wanted)));
    if (!equal) hits ^= 0xF;
    if (hits != 0) return x + std::countr_zero(static_cast<unsigned>(hits));
  }
#endif
  while (x < width && (row[x] == value) != equal) ++x;
  return x;
}

}  // namespace

void AppendPixelRuns(const std::uint32_t* rows, int width, int count, int firstY,
                     std::uint32_t transparent, std::vector<PixelRun>& runs) {
  for (int y = 0; y < count; ++y) {
    const std::uint32_t* row = rows + static_cast<std::size_t>(y) * width;
    int x = 0;
    while (x < width) {
      x = Seek(row, x, width, transparent, false);
      if (x == width) break;
      const int start = x;
      x = Seek(row, x, width, transparent, true);
      runs.push_back({start, firstY + y, x});
    }
  }
}

win::HRGN RegionFromRuns(const std::vector<PixelRun>& runs) {
  auto& gdi = Use<Gdi>();
  if (runs.empty()) return gdi.CreateRectRgn(0, 0, 0, 0);
  std::vector<win::RECT> rects;
  rects.reserve(runs.size());
  for (const PixelRun& run : runs) rects.push_back({run.left, run.top, run.right, run.top + 1});
  return gdi.ExtCreateRegion(rects.data(), static_cast<win::DWORD>(rects.size()));
}

}  // namespace platform
