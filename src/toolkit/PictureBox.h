// A hidden picture box: a persistent image with a position, back and fore
// colours, and a picture it sizes itself to. Setting the back colour fills it.
#pragma once

#include "platform/PersistentImage.h"

namespace toolkit {

class PictureBox {
 public:
  // Position and size in pixels of the owner's surface.
  PictureBox(int left, int top, int width, int height);

  win::HDC hdc() const { return image_.hdc(); }
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return image_.Width(); }
  int Height() const { return image_.Height(); }
  void Move(int left, int top) {
    left_ = left;
    top_ = top;
  }
  void Resize(int width, int height) { image_.Resize(width, height); }

  win::COLORREF BackColor() const { return image_.BackColor(); }
  void SetBackColor(win::COLORREF color) { image_.SetBackColor(color); }
  win::COLORREF ForeColor() const { return image_.ForeColor(); }
  void SetForeColor(win::COLORREF color) { image_.SetForeColor(color); }
  platform::PicturePtr Picture() const { return image_.Picture(); }
  // Shows the picture at the top-left corner and takes its size when it has an image.
  void SetPicture(platform::PicturePtr picture);

 private:
  platform::PersistentImage image_;
  int left_;
  int top_;
};

}  // namespace toolkit
