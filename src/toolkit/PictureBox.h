// A hidden picture box: a persistent image with a position, back and fore
// colours, and a picture it sizes itself to. Setting the back colour fills it.
#pragma once

#include <optional>

#include "platform/PersistentImage.h"

namespace toolkit {

class PictureBox {
 public:
  // Position and size in pixels of the owner's surface; autoRedraw as below.
  PictureBox(int left, int top, int width, int height, bool autoRedraw = true);

  win::HDC hdc() const { return Image().hdc(); }
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void Move(int left, int top) {
    left_ = left;
    top_ = top;
  }
  void Resize(int width, int height);

  win::COLORREF BackColor() const { return backColor_; }
  void SetBackColor(win::COLORREF color);
  win::COLORREF ForeColor() const { return foreColor_; }
  void SetForeColor(win::COLORREF color);
  platform::PicturePtr Picture() const { return picture_; }
  // Shows the picture at the top-left corner and takes its size when it has an image.
  void SetPicture(platform::PicturePtr picture);

  // Whether the box keeps a persistent image (a DC and a bitmap as deep as
  // the screen), on from the start. Switching it off lets the image go; the
  // next use of the DC makes a fresh one, and switches it on again.
  bool AutoRedraw() const { return image_.has_value(); }
  void SetAutoRedraw(bool on);

 private:
  platform::PersistentImage& Image() const;

  mutable std::optional<platform::PersistentImage> image_;
  int left_;
  int top_;
  int width_;
  int height_;
  win::COLORREF backColor_;
  win::COLORREF foreColor_;
  platform::PicturePtr picture_;
};

}  // namespace toolkit
