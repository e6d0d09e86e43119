#include "toolkit/PictureBox.h"

namespace toolkit {
namespace {

// A picture box's default colours: button face behind, button text in front.
constexpr win::COLORREF kButtonFace = 0x8000000F;
constexpr win::COLORREF kButtonText = 0x80000012;

}  // namespace

PictureBox::PictureBox(int left, int top, int width, int height)
    : image_(width, height, kButtonFace, kButtonText), left_(left), top_(top) {}

void PictureBox::SetPicture(platform::PicturePtr picture) {
  if (platform::HasImage(picture)) image_.Resize(picture->WidthPixels(), picture->HeightPixels());
  image_.SetPicture(std::move(picture));
}

}  // namespace toolkit
