// A picture object as the toolkit hands it around: a bitmap, icon or cursor
// handle with its size. "No picture" is a null PicturePtr; an empty picture
// is a Picture without an image (handle 0). The two are drawn differently, so
// keep them apart.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/Gdi.h"

namespace platform {

enum class PictureKind { None, Bitmap, Icon, Cursor };

class Picture {
 public:
  // An empty picture.
  Picture() = default;
  // A picture of a handle; an owned handle is freed with the picture.
  Picture(PictureKind kind, std::uintptr_t handle, int widthPixels, int heightPixels, bool owned);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  PictureKind Kind() const { return kind_; }
  std::uintptr_t Handle() const { return handle_; }
  bool IsEmpty() const { return handle_ == 0; }
  int WidthPixels() const { return widthPixels_; }
  int HeightPixels() const { return heightPixels_; }
  // The size in hundredths of a millimetre, as picture objects report it.
  int Width() const { return width_; }
  int Height() const { return height_; }

  static std::shared_ptr<Picture> Empty();
  // A colour bitmap made from a top-down 32-bit DIB (each pixel 0x00RRGGBB).
  static std::shared_ptr<Picture> FromPixels(int width, int height,
                                             const std::vector<std::uint32_t>& pixels);
  // A picture of an existing bitmap, its size read from the bitmap.
  static std::shared_ptr<Picture> FromBitmap(win::HBITMAP bitmap, bool owned);
  static std::shared_ptr<Picture> FromCursor(win::HCURSOR cursor, int widthPixels, int heightPixels,
                                             bool owned);

 private:
  PictureKind kind_ = PictureKind::None;
  std::uintptr_t handle_ = 0;
  int widthPixels_ = 0;
  int heightPixels_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool owned_ = false;
};

using PicturePtr = std::shared_ptr<Picture>;

// Whether a picture slot shows an image: false for no picture and for an empty one.
inline bool HasImage(const PicturePtr& picture) { return picture && !picture->IsEmpty(); }

}  // namespace platform
