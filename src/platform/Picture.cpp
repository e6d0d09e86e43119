#include "platform/Picture.h"

#include "platform/Screen.h"
#include "platform/Services.h"

namespace platform {
namespace {

// Pixels to hundredths of a millimetre at the screen's density, rounded.
int ToHimetric(int pixels, int dpi) {
  const long long scaled = static_cast<long long>(pixels) * 2540;
  return static_cast<int>((scaled + dpi / 2) / dpi);
}

}  // namespace

Picture::Picture(PictureKind kind, std::uintptr_t handle, int widthPixels, int heightPixels,
                 bool owned)
    : kind_(handle == 0 ? PictureKind::None : kind),
      handle_(handle),
      widthPixels_(handle == 0 ? 0 : widthPixels),
      heightPixels_(handle == 0 ? 0 : heightPixels),
      owned_(owned) {
  auto& screen = Use<Screen>();
  width_ = ToHimetric(widthPixels_, screen.DpiX());
  height_ = ToHimetric(heightPixels_, screen.DpiY());
}

Picture::~Picture() {
  if (!owned_ || handle_ == 0) return;
  auto& gdi = Use<Gdi>();
  if (kind_ == PictureKind::Bitmap) {
    (void)gdi.DeleteObject(handle_);
  } else {
    (void)gdi.DestroyIcon(handle_);
  }
}

std::shared_ptr<Picture> Picture::Empty() { return std::make_shared<Picture>(); }

std::shared_ptr<Picture> Picture::FromPixels(int width, int height,
                                             const std::vector<std::uint32_t>& pixels) {
  if (width <= 0 || height <= 0 ||
      pixels.size() < static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
    return Empty();
  }
  const win::HBITMAP bitmap = Use<Gdi>().CreateDIBitmap(0, width, height, pixels.data());
  return std::make_shared<Picture>(PictureKind::Bitmap, bitmap, width, height, true);
}

std::shared_ptr<Picture> Picture::FromBitmap(win::HBITMAP bitmap, bool owned) {
  win::BITMAP info{};
  if (bitmap == 0 || Use<Gdi>().GetObjectA(bitmap, &info) == 0) return Empty();
  return std::make_shared<Picture>(PictureKind::Bitmap, bitmap, info.bmWidth, info.bmHeight, owned);
}

std::shared_ptr<Picture> Picture::FromCursor(win::HCURSOR cursor, int widthPixels, int heightPixels,
                                             bool owned) {
  return std::make_shared<Picture>(PictureKind::Cursor, cursor, widthPixels, heightPixels, owned);
}

}  // namespace platform
