#include "platform/UserControlSurfaceBase.h"

#include <algorithm>
#include <cmath>

#include "platform/Screen.h"
#include "platform/Services.h"
#include "platform/Text.h"

namespace platform {
namespace {

constexpr win::COLORREF kButtonFace = 0x8000000F;
constexpr win::COLORREF kButtonText = 0x80000012;

}  // namespace

UserControlSurfaceBase::UserControlSurfaceBase(int left, int top, int width, int height)
    : image_(width, height, kButtonFace, kButtonText), left_(left), top_(top) {}

void UserControlSurfaceBase::SetBackColor(win::COLORREF color) {
  image_.SetBackColor(color);
  InvalidateWindow();
}

void UserControlSurfaceBase::SetPicture(PicturePtr picture) {
  image_.SetPicture(std::move(picture));
  InvalidateWindow();
}

void UserControlSurfaceBase::SetMaskPicture(PicturePtr picture) {
  maskPicture_ = std::move(picture);
  UpdateRegion();
}

void UserControlSurfaceBase::SetMaskColor(win::COLORREF color) {
  maskColor_ = color;
  UpdateRegion();
}

void UserControlSurfaceBase::SetBackStyle(int style) {
  backStyle_ = style;
  UpdateRegion();
}

void UserControlSurfaceBase::Cls() {
  image_.Cls();
  // Whatever is drawn next on the DC is shown at the next paint.
  InvalidateWindow();
}

bool UserControlSurfaceBase::HasAccessKey(char key) const {
  return std::any_of(accessKeys_.begin(), accessKeys_.end(), [key](char accessKey) {
    return ToUpperAscii(accessKey) == ToUpperAscii(key);
  });
}

void UserControlSurfaceBase::SetVisible(bool visible) {
  visible_ = visible;
  ShowSiteWindow(visible);
}

void UserControlSurfaceBase::SetWindowText(const std::string& text) {
  windowText_ = text;
  SetSiteWindowText(text);
}

void UserControlSurfaceBase::SetFocusCuesShown(bool shown) {
  if (shown == focusCuesShown_) return;
  focusCuesShown_ = shown;
  if (events_ != nullptr) events_->OnFocusCuesChanged();
}

void UserControlSurfaceBase::SetEnabled(bool enabled) {
  enabled_ = enabled;
  EnableWindow(enabled);
}

void UserControlSurfaceBase::SetOLEDropMode(int mode) {
  oleDropMode_ = mode;
  AcceptDrops(mode == 1);
}

double UserControlSurfaceBase::Width() const {
  return static_cast<double>(image_.Width()) * Use<Screen>().TwipsPerPixelX();
}

double UserControlSurfaceBase::Height() const {
  return static_cast<double>(image_.Height()) * Use<Screen>().TwipsPerPixelY();
}

// The window takes the nearest whole number of pixels (halves to even).
void UserControlSurfaceBase::SetWidth(double twips) {
  const int pixels = static_cast<int>(std::nearbyint(twips / Use<Screen>().TwipsPerPixelX()));
  if (pixels != image_.Width()) ResizeWindow(pixels, image_.Height());
}

void UserControlSurfaceBase::SetHeight(double twips) {
  const int pixels = static_cast<int>(std::nearbyint(twips / Use<Screen>().TwipsPerPixelY()));
  if (pixels != image_.Height()) ResizeWindow(image_.Width(), pixels);
}

void UserControlSurfaceBase::Move(int left, int top, int width, int height) {
  if (left != left_ || top != top_) {
    left_ = left;
    top_ = top;
    MoveWindow(left, top);
  }
  if (width != image_.Width() || height != image_.Height()) ResizeWindow(width, height);
}

void UserControlSurfaceBase::SetAmbientDisplayAsDefault(bool displayAsDefault) {
  displayAsDefault_ = displayAsDefault;
  if (events_ != nullptr) events_->OnAmbientChanged("DisplayAsDefault");
}

std::intptr_t UserControlSurfaceBase::CursorToShow() const {
  if (mousePointer_ == kPointerCustom) {
    return HasImage(mouseIcon_) ? static_cast<std::intptr_t>(mouseIcon_->Handle()) : 0;
  }
  return -static_cast<std::intptr_t>(mousePointer_);
}

void UserControlSurfaceBase::Sized(int width, int height) {
  if (width == image_.Width() && height == image_.Height()) return;
  image_.Resize(width, height);
  InvalidateWindow();
  if (events_ != nullptr) events_->OnResize();
}

void UserControlSurfaceBase::UpdateRegion() {
  const win::HRGN region =
      backStyle_ == kBackStyleTransparent ? RegionFromMask(maskPicture_, maskColor_) : win::HRGN{0};
  // Without a region the whole rectangle is the control; say so only once.
  if (region == 0 && !regionApplied_) return;
  (void)Use<Gdi>().SetWindowRgn(hwnd(), region, win::TRUE);
  regionApplied_ = region != 0;
}

}  // namespace platform
