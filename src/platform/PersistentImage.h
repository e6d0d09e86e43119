// A memory DC with a colour bitmap that keeps what is drawn on it: the image
// behind a user-control site and a picture box. Its background is the back
// colour with the background picture at the top-left corner; clearing
// restores that background and forgets what was drawn.
#pragma once

#include <string>

#include "platform/Font.h"
#include "platform/Gdi.h"
#include "platform/Ownership.h"
#include "platform/Picture.h"

namespace platform {

class PersistentImage {
 public:
  PersistentImage(int width, int height, win::COLORREF backColor, win::COLORREF foreColor);
  PersistentImage(const PersistentImage&) = delete;
  PersistentImage& operator=(const PersistentImage&) = delete;

  win::HDC hdc() const { return dc_.get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Keeps what fits of the old image; the rest shows the background.
  void Resize(int width, int height);

  win::COLORREF BackColor() const { return backColor_; }
  void SetBackColor(win::COLORREF color);  // and clears
  win::COLORREF ForeColor() const { return foreColor_; }
  void SetForeColor(win::COLORREF color);
  FontPtr Font() const { return font_; }
  void SetFont(FontPtr font);
  PicturePtr Picture() const { return picture_; }
  void SetPicture(PicturePtr picture);  // and clears

  void Cls();
  void Line(int x1, int y1, int x2, int y2);
  int TextWidth(const std::string& text);
  int TextHeight(const std::string& text);

 private:
  void PaintBackground(int left, int top, int right, int bottom);

  // Declared so that they go in the order GDI needs: each selection is
  // undone before its object is deleted, and the DC goes last.
  UniqueDC dc_;
  UniqueGdiObject bitmap_;
  Selection bitmapSelection_;
  UniqueGdiObject hfont_;
  Selection fontSelection_;
  int width_ = 0;
  int height_ = 0;
  win::COLORREF backColor_;
  win::COLORREF foreColor_;
  FontPtr font_;
  PicturePtr picture_;
};

// The region of a mask picture's pixels that differ from maskColor (a colour
// reference), in the picture's coordinates; 0 when it has no bitmap image.
win::HRGN RegionFromMask(const PicturePtr& mask, win::COLORREF maskColor);

}  // namespace platform
