#include "shell/mod_Outline.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__) || defined(_M_X64)
#define KV_OUTLINE_SSE2 1
#include <emmintrin.h>
#endif

#include "platform/Services.h"

namespace mod_Outline {

namespace {

// Colour references and DIB pixels hold red and blue the other way round.
constexpr std::uint32_t SwapRedBlue(std::uint32_t color) {
  return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}

// The first x from `x` on whose pixel is (or, with `equal` false, is not) the
// value; width when there is none. Four pixels a step where the processor
// compares four at once: the scan looks at every pixel of the mask.
int Seek(const std::uint32_t* row, int x, int width, std::uint32_t value, bool equal) {
#if defined(KV_OUTLINE_SSE2)
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

// Adds the runs of `count` rows of pixels, the first of them row firstY.
void AppendRuns(const std::uint32_t* rows, int width, int count, int firstY,
                std::uint32_t transparent, std::vector<Run>& runs) {
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
  AppendRuns(pixels.data(), width, height, 0, transparent, runs);
  return runs;
}

std::vector<Run> ScanBox(toolkit::PictureBox& box, std::uint32_t transparent) {
  std::vector<Run> runs;
  const int width = box.Width();
  const int height = box.Height();
  if (width <= 0 || height <= 0) return runs;
  auto& gdi = platform::Use<platform::Gdi>();
  // A box that took its picture's size shows exactly that picture: read it
  // where it is. Any other image is copied once and the copy read.
  const platform::PicturePtr& picture = box.Picture();
  win::HBITMAP source = 0;
  win::HBITMAP copy = 0;
  if (platform::HasImage(picture) && picture->Kind() == platform::PictureKind::Bitmap &&
      picture->WidthPixels() == width && picture->HeightPixels() == height) {
    source = picture->Handle();
  } else {
    copy = gdi.CreateDIBitmap(box.hdc(), width, height, nullptr);
    const win::HDC dc = gdi.CreateCompatibleDC(box.hdc());
    const win::HGDIOBJ previous = gdi.SelectObject(dc, copy);
    gdi.BitBlt(dc, 0, 0, width, height, box.hdc(), 0, 0, win::SRCCOPY);
    gdi.SelectObject(dc, previous);
    gdi.DeleteDC(dc);
    source = copy;
  }
  std::vector<std::uint32_t> band(static_cast<std::size_t>(width) * kBandRows);
  for (int top = 0; top < height; top += kBandRows) {
    const int rows = std::min(kBandRows, height - top);
    if (gdi.GetDIBits(box.hdc(), source, static_cast<win::UINT>(top), static_cast<win::UINT>(rows),
                      band.data()) != rows) {
      runs.clear();  // an image that cannot be read gives no shape
      break;
    }
    AppendRuns(band.data(), width, rows, top, transparent, runs);
  }
  if (copy != 0) gdi.DeleteObject(copy);
  return runs;
}

win::HRGN CreateSkinRegion(toolkit::PictureBox& maskBox, std::int32_t& transparentColour) {
  auto& gdi = platform::Use<platform::Gdi>();
  if (transparentColour < 1) {
    transparentColour = static_cast<std::int32_t>(gdi.GetPixel(maskBox.hdc(), 0, 0));
  }
  // Equality is all the scan asks, so it compares in the pixels' own order.
  const std::vector<Run> runs =
      ScanBox(maskBox, SwapRedBlue(static_cast<std::uint32_t>(transparentColour)));
  if (runs.empty()) return gdi.CreateRectRgn(0, 0, 0, 0);
  std::vector<win::RECT> rects;
  rects.reserve(runs.size());
  for (const Run& run : runs) rects.push_back({run.left, run.top, run.right, run.top + 1});
  return gdi.ExtCreateRegion(rects.data(), static_cast<win::DWORD>(rects.size()));
}

}  // namespace mod_Outline
