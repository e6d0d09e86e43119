#include "platform/PersistentImage.h"

#include <algorithm>
#include <vector>

#include "platform/PixelRuns.h"
#include "platform/Screen.h"
#include "platform/Services.h"

namespace platform {
namespace {

// A colour bitmap as deep as the screen; never zero-sized, which would give
// the 1 x 1 monochrome stock bitmap instead.
win::HBITMAP ScreenBitmap(Gdi& gdi, int width, int height) {
  const win::HDC screen = gdi.GetDC(0);
  const win::HBITMAP bitmap =
      gdi.CreateCompatibleBitmap(screen, std::max(width, 1), std::max(height, 1));
  gdi.ReleaseDC(0, screen);
  return bitmap;
}

}  // namespace

PersistentImage::PersistentImage(int width, int height, win::COLORREF backColor,
                                 win::COLORREF foreColor)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      backColor_(backColor),
      foreColor_(foreColor) {
  auto& gdi = Use<Gdi>();
  dc_ = gdi.CreateCompatibleDC(0);
  bitmap_ = ScreenBitmap(gdi, width_, height_);
  originalBitmap_ = gdi.SelectObject(dc_, bitmap_);
  // Text is drawn over the image, not in boxes of the background colour.
  gdi.SetBkMode(dc_, win::TRANSPARENT);
  gdi.SetBkColor(dc_, backColor_);
  gdi.SetTextColor(dc_, foreColor_);
  Cls();
}

PersistentImage::~PersistentImage() {
  auto& gdi = Use<Gdi>();
  if (originalFont_ != 0) gdi.SelectObject(dc_, originalFont_);
  if (hfont_ != 0) gdi.DeleteObject(hfont_);
  gdi.SelectObject(dc_, originalBitmap_);
  gdi.DeleteObject(bitmap_);
  gdi.DeleteDC(dc_);
}

void PersistentImage::Resize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  auto& gdi = Use<Gdi>();
  const win::HBITMAP replacement = ScreenBitmap(gdi, width, height);
  const win::HDC scratch = gdi.CreateCompatibleDC(dc_);
  const win::HGDIOBJ previous = gdi.SelectObject(scratch, replacement);
  gdi.BitBlt(scratch, 0, 0, std::min(width, width_), std::min(height, height_), dc_, 0, 0,
             win::SRCCOPY);
  gdi.SelectObject(scratch, previous);
  gdi.DeleteDC(scratch);
  gdi.SelectObject(dc_, replacement);
  gdi.DeleteObject(bitmap_);
  bitmap_ = replacement;
  const int oldWidth = width_, oldHeight = height_;
  width_ = width;
  height_ = height;
  PaintBackground(oldWidth, 0, width_, height_);
  PaintBackground(0, oldHeight, width_, height_);
}

void PersistentImage::SetBackColor(win::COLORREF color) {
  backColor_ = color;
  Use<Gdi>().SetBkColor(dc_, color);
  Cls();
}

void PersistentImage::SetForeColor(win::COLORREF color) {
  foreColor_ = color;
  Use<Gdi>().SetTextColor(dc_, color);
}

void PersistentImage::SetFont(FontPtr font) {
  auto& gdi = Use<Gdi>();
  font_ = std::move(font);
  win::HFONT replacement = 0;
  if (font_) {
    const win::LOGFONTA logFont = font_->ToLogFont(Use<Screen>().TwipsPerPixelY());
    replacement = gdi.CreateFontIndirectA(&logFont);
  }
  if (replacement != 0) {
    const win::HGDIOBJ previous = gdi.SelectObject(dc_, replacement);
    if (originalFont_ == 0) originalFont_ = previous;
  } else if (originalFont_ != 0) {
    gdi.SelectObject(dc_, originalFont_);
    originalFont_ = 0;
  }
  if (hfont_ != 0) gdi.DeleteObject(hfont_);
  hfont_ = replacement;
}

void PersistentImage::SetPicture(PicturePtr picture) {
  picture_ = std::move(picture);
  Cls();
}

void PersistentImage::Cls() { PaintBackground(0, 0, width_, height_); }

// Fills part of the image with the back colour and the background picture.
void PersistentImage::PaintBackground(int left, int top, int right, int bottom) {
  if (left >= right || top >= bottom) return;
  auto& gdi = Use<Gdi>();
  const win::RECT area{left, top, right, bottom};
  const win::HBRUSH brush = gdi.CreateSolidBrush(ResolveColor(gdi, backColor_));
  gdi.FillRect(dc_, &area, brush);
  gdi.DeleteObject(brush);
  if (!HasImage(picture_) || picture_->Kind() != PictureKind::Bitmap) return;
  const win::HDC source = gdi.CreateCompatibleDC(dc_);
  const win::HGDIOBJ previous = gdi.SelectObject(source, picture_->Handle());
  gdi.BitBlt(dc_, left, top, right - left, bottom - top, source, left, top, win::SRCCOPY);
  gdi.SelectObject(source, previous);
  gdi.DeleteDC(source);
}

void PersistentImage::Line(int x1, int y1, int x2, int y2) {
  auto& gdi = Use<Gdi>();
  const win::HPEN pen = gdi.CreatePen(win::PS_SOLID, 1, ResolveColor(gdi, foreColor_));
  const win::HGDIOBJ previous = gdi.SelectObject(dc_, pen);
  gdi.MoveToEx(dc_, x1, y1, nullptr);
  gdi.LineTo(dc_, x2, y2);
  gdi.SelectObject(dc_, previous);
  gdi.DeleteObject(pen);
}

int PersistentImage::TextWidth(const std::string& text) {
  win::SIZE size{0, 0};
  Use<Gdi>().GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

// The height of a line of text, also for the empty text.
int PersistentImage::TextHeight(const std::string& text) {
  const std::string measured = text.empty() ? std::string(" ") : text;
  win::SIZE size{0, 0};
  Use<Gdi>().GetTextExtentPoint32A(dc_, measured.data(), static_cast<int>(measured.size()), &size);
  return size.cy;
}

win::HRGN RegionFromMask(const PicturePtr& mask, win::COLORREF maskColor) {
  if (!HasImage(mask) || mask->Kind() != PictureKind::Bitmap) return 0;
  auto& gdi = Use<Gdi>();
  const int width = mask->WidthPixels();
  const int height = mask->HeightPixels();
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
  if (gdi.GetDIBits(0, mask->Handle(), 0, static_cast<win::UINT>(height), pixels.data()) !=
      height) {
    return 0;
  }
  // Compared in the DIB's byte order, 0x00RRGGBB, and on colour alone: the
  // fourth byte of a DIB pixel is no part of the colour.
  for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
  std::vector<PixelRun> runs;
  AppendPixelRuns(pixels.data(), width, height, 0, SwapRedBlue(ResolveColor(gdi, maskColor)), runs);
  return RegionFromRuns(runs);
}

}  // namespace platform
