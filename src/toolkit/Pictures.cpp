#include "toolkit/Pictures.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "platform/Gdi.h"
#include "platform/PixelRuns.h"
#include "platform/Resources.h"
#include "platform/Screen.h"
#include "platform/Services.h"
#include "platform/Windowing.h"
#include "toolkit/Resample.h"
#include "ui/Assets.h"

namespace toolkit {

platform::PicturePtr PictureOf(ui::Image image) {
  // Decoded pixels are colour references (0x00BBGGRR); a DIB holds 0x00RRGGBB.
  std::transform(image.pixels.begin(), image.pixels.end(), image.pixels.begin(),
                 platform::SwapRedBlue);
  return platform::Picture::FromPixels(image.width, image.height, image.pixels);
}

namespace {

namespace ua = ui::assets;

// The picture of one set exactly as it ships, a bitmap resource (run-length
// coded at the higher densities); nothing when it is missing or damaged.
std::optional<ui::Image> DecodeSet(const ua::Asset& asset, int set) {
  const auto data = platform::Use<platform::Resources>().LoadResourceData(
      ua::ResourceAt(asset, set), win::RT_BITMAP);
  if (!data) return std::nullopt;
  try {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data->data());
    return ui::DecodeDib(std::span<const std::uint8_t>(bytes, data->size()));
  } catch (const ui::BitmapError&) {
    return std::nullopt;
  }
}

const ua::ButtonPictures* NormalPictureOf(const ua::Asset& asset) {
  for (const ua::ButtonPictures& b : ua::kButtonPictures) {
    if (b.picture.file == asset.file) return &b;
  }
  return nullptr;
}

// The size a picture has at a density: the skin's and mask's, or the
// button picture's area in the skin.
std::pair<int, int> SizeAt(const ua::Asset& asset, int dpi) {
  for (const ua::ButtonPictures& b : ua::kButtonPictures) {
    for (const ua::Asset& state : {b.picture, b.over, b.down, b.focus}) {
      if (state.file != asset.file) continue;
      const ua::PixelRect area = ua::SkinArea(b, dpi);
      return {area.width, area.height};
    }
  }
  return {ua::SkinWidthAt(dpi), ua::SkinHeightAt(dpi)};
}

// Sets to draw on for a density, best first: its own, then the nearest
// larger ones (scaled down loses least), then the nearest smaller.
std::vector<int> SetsFor(int dpi) {
  std::vector<int> sets;
  for (int set : ua::kDpis) {
    if (set >= dpi) sets.push_back(set);
  }
  for (auto set = ua::kDpis.rbegin(); set != ua::kDpis.rend(); ++set) {
    if (*set < dpi) sets.push_back(*set);
  }
  return sets;
}

// A picture of the skin's family drawn for dpi. With no set for dpi, or
// none that loads, the best set that loads is scaled to the density's size;
// a button's normal picture is then cut from the skin so scaled, so that it
// still equals its area of the skin the window shows.
std::optional<ui::Image> ImageAt(const ua::Asset& asset, int dpi) {
  const bool exact = std::find(ua::kDpis.begin(), ua::kDpis.end(), dpi) != ua::kDpis.end();
  if (exact) {
    if (auto image = DecodeSet(asset, dpi)) return image;
  }
  if (const ua::ButtonPictures* b = NormalPictureOf(asset)) {
    if (auto skin = ImageAt(ua::kSkin, dpi)) {
      const ua::PixelRect area = ua::SkinArea(*b, dpi);
      return Crop(*skin, area.x, area.y, area.width, area.height);
    }
  }
  const auto [width, height] = SizeAt(asset, dpi);
  for (int set : SetsFor(dpi)) {
    if (set == dpi) continue;
    if (auto image = DecodeSet(asset, set)) {
      // The mask stays two-coloured; everything else is filtered.
      return asset.file == ua::kSkinMask.file ? ResampleNearest(*image, width, height)
                                              : Resample(*image, width, height);
    }
  }
  return std::nullopt;
}

bool DrawnPerDensity(const ua::Asset& asset) {
  return std::any_of(ua::kScaled.begin(), ua::kScaled.end(),
                     [&](const ua::Asset& a) { return a.file == asset.file; });
}

// An icon or cursor at the size the system draws it at the density, owned by
// its picture: a density change loads another and the old one goes with the
// last picture of it.
platform::PicturePtr SizedImage(const std::string& resourceName, platform::PictureKind kind,
                                int widthMetric, int heightMetric, int dpi) {
  auto& screen = platform::Use<platform::Screen>();
  auto& windowing = platform::Use<platform::Windowing>();
  const int width = screen.GetSystemMetricsForDpi(widthMetric, dpi);
  const int height = screen.GetSystemMetricsForDpi(heightMetric, dpi);
  const win::HICON handle = kind == platform::PictureKind::Cursor
                                ? windowing.LoadCursorA(resourceName, width, height)
                                : windowing.LoadIconA(resourceName, width, height);
  if (handle == 0) return platform::Picture::Empty();
  return std::make_shared<platform::Picture>(kind, handle, width, height, true);
}

platform::PicturePtr MakePicture(const std::string& resourceName, int dpi) {
  const auto asset = std::find_if(ui::assets::kAll.begin(), ui::assets::kAll.end(),
                                  [&](const auto& a) { return resourceName == a.resource; });
  if (asset == ui::assets::kAll.end()) return platform::Picture::Empty();
  if (dpi != 96 && DrawnPerDensity(*asset)) {
    auto image = ImageAt(*asset, dpi);
    return image ? PictureOf(std::move(*image)) : platform::Picture::Empty();
  }
  switch (asset->kind) {
    case ui::assets::Kind::Cursor:
      return SizedImage(resourceName, platform::PictureKind::Cursor, win::SM_CXCURSOR,
                        win::SM_CYCURSOR, dpi);
    case ui::assets::Kind::Icon:
      return SizedImage(resourceName, platform::PictureKind::Icon, win::SM_CXICON, win::SM_CYICON,
                        dpi);
    case ui::assets::Kind::Bitmap:
      break;
  }
  auto image = DecodeSet(*asset, 96);
  return image ? PictureOf(std::move(*image)) : platform::Picture::Empty();
}

// The pictures made so far, by resource name and density, with the GDI that
// holds their handles (a test's world may end and another begin).
struct Made {
  const platform::Gdi* gdi = nullptr;
  std::weak_ptr<platform::Picture> picture;
};
std::map<std::pair<std::string, int>, Made>& MadePictures() {
  static std::map<std::pair<std::string, int>, Made> made;
  return made;
}

}  // namespace

platform::PicturePtr LoadPicture(const std::string& resourceName) {
  const platform::Gdi* gdi = &platform::Use<platform::Gdi>();
  const int dpi = platform::Use<platform::Screen>().DpiX();
  Made& made = MadePictures()[{resourceName, dpi}];
  if (made.gdi == gdi) {
    if (platform::PicturePtr shared = made.picture.lock()) return shared;
  }
  platform::PicturePtr picture = MakePicture(resourceName, dpi);
  made = Made{gdi, picture};
  return picture;
}

platform::PicturePtr LoadIconPicture(const std::string& resourceName, IconSize size) {
  const bool small = size == IconSize::Small;
  return SizedImage(
      resourceName, platform::PictureKind::Icon, small ? win::SM_CXSMICON : win::SM_CXICON,
      small ? win::SM_CYSMICON : win::SM_CYICON, platform::Use<platform::Screen>().DpiX());
}

platform::PicturePtr LoadLayoutPicture(const std::string& value) {
  if (value.rfind("res:", 0) != 0) return nullptr;
  return LoadPicture(value.substr(4));
}

}  // namespace toolkit
