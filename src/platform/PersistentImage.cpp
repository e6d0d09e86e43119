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
  const WindowDC screen(0);
  return gdi.CreateCompatibleBitmap(screen.get(), std::max(width, 1), std::max(height, 1));
}

}  // namespace

PersistentImage::PersistentImage(int width, int height, win::COLORREF backColor,
                                 win::COLORREF foreColor)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      backColor_(backColor),
      foreColor_(foreColor) {
  auto& gdi = Use<Gdi>();
  dc_.reset(gdi.CreateCompatibleDC(0));
  bitmap_.reset(ScreenBitmap(gdi, width_, height_));
  bitmapSelection_ = Selection(dc_.get(), bitmap_.get());
  // Text is drawn over the image, not in boxes of the background colour.
  gdi.SetBkMode(dc_.get(), win::TRANSPARENT);
  gdi.SetBkColor(dc_.get(), backColor_);
  gdi.SetTextColor(dc_.get(), foreColor_);
  Cls();
}

void PersistentImage::Resize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  auto& gdi = Use<Gdi>();
  UniqueGdiObject replacement(ScreenBitmap(gdi, width, height));
  {
    const UniqueDC scratch(gdi.CreateCompatibleDC(dc_.get()));
    const Selection copying(scratch.get(), replacement.get());
    (void)gdi.BitBlt(scratch.get(), 0, 0, std::min(width, width_), std::min(height, height_),
                     dc_.get(), 0, 0, win::SRCCOPY);
  }
  // The selection made at the start keeps the DC's own bitmap to restore.
  (void)gdi.SelectObject(dc_.get(), replacement.get());
  bitmap_ = std::move(replacement);
  const int oldWidth = width_, oldHeight = height_;
  width_ = width;
  height_ = height;
  PaintBackground(oldWidth, 0, width_, height_);
  PaintBackground(0, oldHeight, width_, height_);
}

void PersistentImage::SetBackColor(win::COLORREF color) {
  backColor_ = color;
  Use<Gdi>().SetBkColor(dc_.get(), color);
  Cls();
}

void PersistentImage::SetForeColor(win::COLORREF color) {
  foreColor_ = color;
  Use<Gdi>().SetTextColor(dc_.get(), color);
}

void PersistentImage::SetFont(FontPtr font) {
  auto& gdi = Use<Gdi>();
  font_ = std::move(font);
  UniqueGdiObject replacement;
  if (font_) {
    const win::LOGFONTA logFont = font_->ToLogFont(Use<Screen>().TwipsPerPixelY());
    replacement.reset(gdi.CreateFontIndirectA(&logFont));
  }
  if (!replacement) {
    fontSelection_.reset();  // the DC's own font again
  } else if (fontSelection_) {
    // The first selection keeps the DC's own font to restore.
    (void)gdi.SelectObject(dc_.get(), replacement.get());
  } else {
    fontSelection_ = Selection(dc_.get(), replacement.get());
  }
  hfont_ = std::move(replacement);  // the old font, no longer selected, goes
}

void PersistentImage::SetPicture(PicturePtr picture) {
  picture_ = std::move(picture);
  Cls();
}

void PersistentImage::Cls() { PaintBackground(0, 0, width_, height_); }

// Fills part of the image with the back colour and the background picture.
// Drawing results are not examined: a stroke GDI refuses leaves the image as
// it was.
void PersistentImage::PaintBackground(int left, int top, int right, int bottom) {
  if (left >= right || top >= bottom) return;
  auto& gdi = Use<Gdi>();
  const win::RECT area{left, top, right, bottom};
  const UniqueGdiObject brush(gdi.CreateSolidBrush(ResolveColor(gdi, backColor_)));
  (void)gdi.FillRect(dc_.get(), &area, brush.get());
  if (!HasImage(picture_) || picture_->Kind() != PictureKind::Bitmap) return;
  const UniqueDC source(gdi.CreateCompatibleDC(dc_.get()));
  const Selection showing(source.get(), picture_->Handle());
  (void)gdi.BitBlt(dc_.get(), left, top, right - left, bottom - top, source.get(), left, top,
                   win::SRCCOPY);
}

void PersistentImage::Line(int x1, int y1, int x2, int y2) {
  auto& gdi = Use<Gdi>();
  const UniqueGdiObject pen(gdi.CreatePen(win::PS_SOLID, 1, ResolveColor(gdi, foreColor_)));
  const Selection drawing(dc_.get(), pen.get());
  (void)gdi.MoveToEx(dc_.get(), x1, y1, nullptr);
  (void)gdi.LineTo(dc_.get(), x2, y2);
}

int PersistentImage::TextWidth(const std::string& text) {
  win::SIZE size{0, 0};
  (void)Use<Gdi>().GetTextExtentPoint32A(dc_.get(), text.data(), static_cast<int>(text.size()),
                                         &size);
  return size.cx;
}

// The height of a line of text, also for the empty text.
int PersistentImage::TextHeight(const std::string& text) {
  const std::string measured = text.empty() ? std::string(" ") : text;
  win::SIZE size{0, 0};
  (void)Use<Gdi>().GetTextExtentPoint32A(dc_.get(), measured.data(),
                                         static_cast<int>(measured.size()), &size);
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
