#include "toolkit/PictureBox.h"

#include <algorithm>

namespace toolkit {
namespace {

// A picture box's default colours: button face behind, button text in front.
constexpr win::COLORREF kButtonFace = 0x8000000F;
constexpr win::COLORREF kButtonText = 0x80000012;

}  // namespace

PictureBox::PictureBox(int left, int top, int width, int height, bool autoRedraw)
    : left_(left),
      top_(top),
      width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      backColor_(kButtonFace),
      foreColor_(kButtonText) {
  SetAutoRedraw(autoRedraw);
}

void PictureBox::SetAutoRedraw(bool on) {
  if (on) {
    Image();
  } else {
    image_.reset();
  }
}

platform::PersistentImage& PictureBox::Image() const {
  if (!image_) {
    // What the box shows follows from its colours and picture alone.
    image_.emplace(width_, height_, backColor_, foreColor_);
    if (picture_) image_->SetPicture(picture_);
  }
  return *image_;
}

void PictureBox::Resize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  if (image_) image_->Resize(width_, height_);
}

void PictureBox::SetBackColor(win::COLORREF color) {
  backColor_ = color;
  if (image_) image_->SetBackColor(color);
}

void PictureBox::SetForeColor(win::COLORREF color) {
  foreColor_ = color;
  if (image_) image_->SetForeColor(color);
}

void PictureBox::SetPicture(platform::PicturePtr picture) {
  if (platform::HasImage(picture)) Resize(picture->WidthPixels(), picture->HeightPixels());
  picture_ = std::move(picture);
  if (image_) image_->SetPicture(picture_);
}

}  // namespace toolkit
