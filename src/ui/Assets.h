// The pictures the program ships: one table that names each picture's resource
// in the program (LoadImage by name on Windows) and its file under
// src/ui/assets (read directly by the sim backend and the tests), so both
// backends and the resource script agree on what is what.
#pragma once

#include <array>
#include <string_view>

namespace ui::assets {

enum class Kind { Bitmap, Icon, Cursor };

struct Asset {
  const char* resource;   // resource name, as LoadImageA takes it
  std::string_view file;  // file name under src/ui/assets
  Kind kind;
  int bitsPerPixel;  // of the stored image(s)
};

// Skin and mask are 600 x 550 pixels; the window shows the top 548 rows.
inline constexpr int kSkinWidth = 600;
inline constexpr int kSkinHeight = 550;

inline constexpr Asset kSkin{"SKIN", "skin.bmp", Kind::Bitmap, 16};
inline constexpr Asset kSkinMask{"SKINMASK", "mask.bmp", Kind::Bitmap, 16};
inline constexpr Asset kAppIcon{"APPICON", "app.ico", Kind::Icon, 4};
inline constexpr Asset kHandCursor{"HAND", "hand.cur", Kind::Cursor, 4};

inline constexpr int kHandHotspotX = 12;
inline constexpr int kHandHotspotY = 1;

inline constexpr Asset kMin{"BTNMIN", "btnMin.bmp", Kind::Bitmap, 16};
inline constexpr Asset kMinDown{"BTNMIN_DOWN", "btnMin_down.bmp", Kind::Bitmap, 16};
inline constexpr Asset kClose{"BTNCLOSE", "btnClose.bmp", Kind::Bitmap, 16};
inline constexpr Asset kCloseDown{"BTNCLOSE_DOWN", "btnClose_down.bmp", Kind::Bitmap, 16};
inline constexpr Asset kOK{"BTNOK", "btnOK.bmp", Kind::Bitmap, 16};
inline constexpr Asset kOKOver{"BTNOK_OVER", "btnOK_over.bmp", Kind::Bitmap, 16};
inline constexpr Asset kOKDown{"BTNOK_DOWN", "btnOK_down.bmp", Kind::Bitmap, 16};
inline constexpr Asset kCancel{"BTNCANCEL", "btnCancel.bmp", Kind::Bitmap, 16};
inline constexpr Asset kCancelOver{"BTNCANCEL_OVER", "btnCancel_over.bmp", Kind::Bitmap, 24};
inline constexpr Asset kCancelDown{"BTNCANCEL_DOWN", "btnCancel_down.bmp", Kind::Bitmap, 16};
inline constexpr Asset kApply{"BTNAPPLY", "btnApply.bmp", Kind::Bitmap, 16};
inline constexpr Asset kApplyOver{"BTNAPPLY_OVER", "btnApply_over.bmp", Kind::Bitmap, 16};
inline constexpr Asset kApplyDown{"BTNAPPLY_DOWN", "btnApply_down.bmp", Kind::Bitmap, 16};
inline constexpr Asset kHomepage{"BTNHOMEPAGE", "btnHomepage.bmp", Kind::Bitmap, 16};

// The four state pictures of one skinned button. A state whose picture looks
// like the normal one names the same asset, so it is stored once.
struct ButtonPictures {
  std::string_view button;  // the control's name
  Asset picture;
  Asset over;
  Asset down;
  Asset focus;
  // The normal picture is the skin's area of this size at this top-left pixel.
  int skinX;
  int skinY;
  int width;
  int height;
};

inline constexpr std::array<ButtonPictures, 6> kButtonPictures{{
    {"btnMin", kMin, kMin, kMinDown, kMin, 544, 22, 15, 15},
    {"btnClose", kClose, kClose, kCloseDown, kClose, 563, 22, 15, 15},
    {"btnOK", kOK, kOKOver, kOKDown, kOK, 375, 505, 58, 24},
    {"btnCancel", kCancel, kCancelOver, kCancelDown, kCancel, 442, 505, 58, 24},
    {"btnApply", kApply, kApplyOver, kApplyDown, kApply, 508, 505, 58, 24},
    {"btnHomepage", kHomepage, kHomepage, kHomepage, kHomepage, 38, 23, 107, 32},
}};

// Every distinct asset once, the icon first (the shell shows a program's
// first icon resource).
inline constexpr std::array<Asset, 18> kAll{{
    kAppIcon,
    kHandCursor,
    kSkin,
    kSkinMask,
    kMin,
    kMinDown,
    kClose,
    kCloseDown,
    kOK,
    kOKOver,
    kOKDown,
    kCancel,
    kCancelOver,
    kCancelDown,
    kApply,
    kApplyOver,
    kApplyDown,
    kHomepage,
}};

}  // namespace ui::assets
