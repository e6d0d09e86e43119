#include "controls/TransparentBitmaps.h"

#include "platform/Ownership.h"
#include "platform/Services.h"

namespace controls {
namespace {

// One scratch DC holding one fresh bitmap; the members go in reverse order,
// so the bitmap is deselected before it and the DC are deleted.
struct Scratch {
  platform::UniqueDC dc;
  platform::UniqueGdiObject bitmap;
  platform::Selection selection;
};

Scratch Hold(platform::Gdi& gdi, win::HDC like, win::HBITMAP bitmap) {
  Scratch scratch;
  scratch.bitmap.reset(bitmap);
  scratch.dc.reset(gdi.CreateCompatibleDC(like));
  scratch.selection = platform::Selection(scratch.dc.get(), scratch.bitmap.get());
  return scratch;
}

Scratch MakeMonochrome(platform::Gdi& gdi, win::HDC like, int width, int height) {
  return Hold(gdi, like, gdi.CreateBitmap(width, height, 1, 1, nullptr));
}

// A colour bitmap like dc's own (compatible with dc, not with the new DC,
// which starts out holding a 1-bpp bitmap).
Scratch MakeColour(platform::Gdi& gdi, win::HDC like, int width, int height) {
  return Hold(gdi, like, gdi.CreateCompatibleBitmap(like, width, height));
}

win::COLORREF KeyColour(platform::Gdi& gdi, win::HDC source, std::int32_t key, int at) {
  return key == -1 ? gdi.GetPixel(source, at, at) : static_cast<win::COLORREF>(key);
}

// The transparent copy both callers share. With stopOnFailure each BitBlt
// from the mask on runs only when the one before succeeded. Returns whether
// the last BitBlt done succeeded.
bool TransparentCopy(win::HDC dc, win::HDC source, win::POINT dest, win::POINT from, int width,
                     int height, win::COLORREF key, bool stopOnFailure) {
  auto& gdi = platform::Use<platform::Gdi>();
  const Scratch mask = MakeMonochrome(gdi, dc, width, height);
  const Scratch inverse = MakeMonochrome(gdi, dc, width, height);
  const Scratch result = MakeColour(gdi, dc, width, height);
  const Scratch copy = MakeColour(gdi, dc, width, height);

  // Key-coloured pixels become 1 in the mask, all others 0.
  const win::COLORREF oldBack = gdi.SetBkColor(source, key);
  bool ok =
      gdi.BitBlt(mask.dc.get(), 0, 0, width, height, source, from.x, from.y, win::SRCCOPY) != 0;
  gdi.SetBkColor(source, oldBack);

  auto step = [&](win::HDC to, int x, int y, win::HDC src, int sx, int sy, win::DWORD rop) {
    if (stopOnFailure && !ok) return;
    ok = gdi.BitBlt(to, x, y, width, height, src, sx, sy, rop) != 0;
  };
  step(inverse.dc.get(), 0, 0, mask.dc.get(), 0, 0, win::NOTSRCCOPY);
  // The background where the key colour was, black elsewhere...
  step(result.dc.get(), 0, 0, dc, dest.x, dest.y, win::SRCCOPY);
  step(result.dc.get(), 0, 0, mask.dc.get(), 0, 0, win::SRCAND);
  // ...the picture where it was not, black elsewhere...
  step(copy.dc.get(), 0, 0, source, from.x, from.y, win::SRCCOPY);
  step(copy.dc.get(), 0, 0, inverse.dc.get(), 0, 0, win::SRCAND);
  // ...and the two combined.
  step(result.dc.get(), 0, 0, copy.dc.get(), 0, 0, win::SRCINVERT);
  step(dc, dest.x, dest.y, result.dc.get(), 0, 0, win::SRCCOPY);
  return ok;
}

}  // namespace

void PaintTransparentPicture(win::HDC dc, win::HDC source, win::POINT destPoint,
                             win::POINT sourcePoint, int width, int height, std::int32_t key) {
  auto& gdi = platform::Use<platform::Gdi>();
  TransparentCopy(dc, source, destPoint, sourcePoint, width, height, KeyColour(gdi, source, key, 1),
                  false);
}

bool BlitTransparentBetween(win::HDC source, win::HDC target, std::int32_t key, int targetX,
                            int targetY, int sourceX, int sourceY, int width, int height) {
  auto& gdi = platform::Use<platform::Gdi>();
  return TransparentCopy(target, source, {targetX, targetY}, {sourceX, sourceY}, width, height,
                         KeyColour(gdi, source, key, 0), true);
}

bool MakeMask(win::HDC source, win::HDC target, std::int32_t key, int targetX, int targetY,
              int sourceX, int sourceY, int width, int height) {
  auto& gdi = platform::Use<platform::Gdi>();
  const win::COLORREF keyColour = KeyColour(gdi, source, key, 0);
  const Scratch mono = MakeMonochrome(gdi, target, width, height);
  const win::COLORREF oldBack = gdi.SetBkColor(source, keyColour);
  bool ok =
      gdi.BitBlt(mono.dc.get(), 0, 0, width, height, source, sourceX, sourceY, win::SRCCOPY) != 0;
  if (ok) {
    gdi.SetBkColor(source, oldBack);
    // 1 (key) takes the target's background colour, 0 its text colour.
    ok =
        gdi.BitBlt(target, targetX, targetY, width, height, mono.dc.get(), 0, 0, win::SRCCOPY) != 0;
  }
  return ok;
}

bool BlitBetween(win::HDC source, win::HDC target, win::DWORD operation, int targetX, int targetY,
                 int sourceX, int sourceY, int width, int height) {
  return platform::Use<platform::Gdi>().BitBlt(target, targetX, targetY, width, height, source,
                                               sourceX, sourceY, operation) != 0;
}

void PaintHighlightedPicture(win::HDC source, win::HDC target, win::HDC maskSurface,
                             toolkit::PictureBox& colourSurface, win::COLORREF colour, int targetX,
                             int targetY, int sourceX, int sourceY, int width, int height) {
  colourSurface.SetBackColor(colour);
  MakeMask(source, maskSurface, -1, 0, 0, sourceX, sourceY, width, height);
  // The shape keeps the colour (colour ^ black); the background turns into
  // colour ^ the mask's back colour, which the last copy leaves out as the key.
  BlitBetween(maskSurface, colourSurface.hdc(), win::SRCINVERT, 0, 0, 0, 0, width, height);
  BlitTransparentBetween(colourSurface.hdc(), target, -1, targetX, targetY, 0, 0, width, height);
}

}  // namespace controls
