// The pictures the program ships: one table that names each picture's resource
// in the program (LoadImage by name on Windows) and its file under
// src/ui/assets (read directly by the sim backend and the tests), so both
// backends and the resource script agree on what is what.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "toolkit/Twips.h"

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

// Besides the 16-colour 32 and 16 pixel images, the icon holds 32-bit images
// with alpha at the sizes the shell asks for at 100 to 200 % (the small and
// large icon sizes, the 256-pixel tile), and the cursor 48 and 64 pixel hands
// beside its 16-colour 32 pixel one.
inline constexpr std::array<int, 8> kIconSizes{16, 20, 24, 32, 40, 48, 64, 256};
inline constexpr std::array<int, 3> kCursorSizes{32, 48, 64};

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

// A control's place in the window layout, in twips.
struct TwipsRect {
  int left;
  int top;
  int width;
  int height;
};

// The four state pictures of one skinned button. A state whose picture looks
// like the normal one names the same asset, so it is stored once.
struct ButtonPictures {
  std::string_view button;  // the control's name
  Asset picture;
  Asset over;
  Asset down;
  Asset focus;
  // The normal picture is the skin's area of this size at this top-left pixel
  // (96 dpi).
  int skinX;
  int skinY;
  int width;
  int height;
  TwipsRect control;  // the button the picture is drawn in
};

inline constexpr std::array<ButtonPictures, 6> kButtonPictures{{
    {"btnMin", kMin, kMin, kMinDown, kMin, 544, 22, 15, 15, {8160, 330, 225, 225}},
    {"btnClose", kClose, kClose, kCloseDown, kClose, 563, 22, 15, 15, {8450, 330, 225, 225}},
    {"btnOK", kOK, kOKOver, kOKDown, kOK, 375, 505, 58, 24, {5640, 7590, 855, 345}},
    {"btnCancel",
     kCancel,
     kCancelOver,
     kCancelDown,
     kCancel,
     442,
     505,
     58,
     24,
     {6630, 7590, 855, 345}},
    {"btnApply", kApply, kApplyOver, kApplyDown, kApply, 508, 505, 58, 24, {7620, 7590, 855, 345}},
    {"btnHomepage",
     kHomepage,
     kHomepage,
     kHomepage,
     kHomepage,
     38,
     23,
     107,
     32,
     {600, 340, 1605, 465}},
}};

// Densities the skin, the mask and the button pictures are drawn for, in dots
// per inch (100, 125, 150, 175 and 200 %). The 96-dpi set is the BMPs above;
// the others are 8-bit run-length BMPs of the same pixels (each set uses
// fewer than 256 colours), too large to ship raw.
inline constexpr std::array<int, 5> kDpis{96, 120, 144, 168, 192};

// A length in twips as whole pixels at a density, as the window places its
// controls.
inline int TwipsAt(int twips, int dpi) { return toolkit::TwipsToPixels(twips, dpi); }
// A length of the 96-dpi pictures scaled to a density, rounded likewise.
inline int PixelsAt(int pixels96, int dpi) {
  return static_cast<int>(std::lround(static_cast<double>(pixels96) * dpi / 96.0));
}

struct PixelRect {
  int x;
  int y;
  int width;
  int height;
};

// Where a button's normal picture lies in the skin drawn for dpi: the
// button's own rectangle at that density, moved and grown by the same whole
// pixels as at 96 dpi (the offsets are those of drawing a picture inside its
// button, which are pixels at every density).
inline PixelRect SkinArea(const ButtonPictures& b, int dpi) {
  const TwipsRect& c = b.control;
  return {TwipsAt(c.left, dpi) + b.skinX - TwipsAt(c.left, 96),
          TwipsAt(c.top, dpi) + b.skinY - TwipsAt(c.top, 96),
          TwipsAt(c.width, dpi) + b.width - TwipsAt(c.width, 96),
          TwipsAt(c.height, dpi) + b.height - TwipsAt(c.height, 96)};
}

// The skin and the mask at a density.
inline int SkinWidthAt(int dpi) { return PixelsAt(kSkinWidth, dpi); }
inline int SkinHeightAt(int dpi) { return PixelsAt(kSkinHeight, dpi); }

// The resource and file names of a picture's set for a density other than
// 96 dpi: "SKIN144" and "skin@144.bmp". No separator before the digits: a
// resource directory is sorted by name, and "_" sorts before or after the
// letters depending on the case a loader compares in.
inline std::string ResourceAt(const Asset& asset, int dpi) {
  if (dpi == 96) return asset.resource;
  return std::string(asset.resource) + std::to_string(dpi);
}
inline std::string FileAt(const Asset& asset, int dpi) {
  if (dpi == 96) return std::string(asset.file);
  const std::string_view stem = asset.file.substr(0, asset.file.rfind('.'));
  return std::string(stem) + "@" + std::to_string(dpi) + ".bmp";
}

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

// The pictures drawn again for every density: the bitmaps of kAll, in its
// order.
inline constexpr auto kScaled = [] {
  constexpr auto isBitmap = [](const Asset& asset) { return asset.kind == Kind::Bitmap; };
  std::array<Asset, std::count_if(kAll.begin(), kAll.end(), isBitmap)> bitmaps{};
  std::copy_if(kAll.begin(), kAll.end(), bitmaps.begin(), isBitmap);
  return bitmaps;
}();
static_assert(kScaled.size() == 16);

}  // namespace ui::assets
