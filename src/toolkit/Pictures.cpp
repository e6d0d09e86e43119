#include "toolkit/Pictures.h"

#include <algorithm>
#include <map>
#include <memory>
#include <span>

#include "platform/Gdi.h"
#include "platform/PixelRuns.h"
#include "platform/Resources.h"
#include "platform/Services.h"
#include "platform/Windowing.h"
#include "ui/Assets.h"

namespace toolkit {

platform::PicturePtr PictureOf(ui::Image image) {
  // Decoded pixels are colour references (0x00BBGGRR); a DIB holds 0x00RRGGBB.
  std::transform(image.pixels.begin(), image.pixels.end(), image.pixels.begin(),
                 platform::SwapRedBlue);
  return platform::Picture::FromPixels(image.width, image.height, image.pixels);
}

namespace {

platform::PicturePtr MakePicture(const std::string& resourceName) {
  const auto asset = std::find_if(ui::assets::kAll.begin(), ui::assets::kAll.end(),
                                  [&](const auto& a) { return resourceName == a.resource; });
  if (asset == ui::assets::kAll.end()) return platform::Picture::Empty();
  auto& windowing = platform::Use<platform::Windowing>();
  switch (asset->kind) {
    case ui::assets::Kind::Cursor: {
      const win::HCURSOR cursor = windowing.LoadCursorA(resourceName);
      if (cursor == 0) return platform::Picture::Empty();
      return platform::Picture::FromCursor(cursor, 32, 32, false);
    }
    case ui::assets::Kind::Icon: {
      const win::HICON icon = windowing.LoadIconA(resourceName, platform::IconSize::Large);
      if (icon == 0) return platform::Picture::Empty();
      return std::make_shared<platform::Picture>(platform::PictureKind::Icon, icon, 32, 32, false);
    }
    case ui::assets::Kind::Bitmap:
      break;
  }
  const auto data =
      platform::Use<platform::Resources>().LoadResourceData(resourceName, win::RT_BITMAP);
  if (!data) return platform::Picture::Empty();
  try {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(data->data());
    return PictureOf(ui::DecodeDib(std::span<const std::uint8_t>(bytes, data->size())));
  } catch (const ui::BitmapError&) {
    return platform::Picture::Empty();
  }
}

// The pictures made so far, by resource name, with the GDI that holds their
// handles (a test's world may end and another begin).
struct Made {
  const platform::Gdi* gdi = nullptr;
  std::weak_ptr<platform::Picture> picture;
};
std::map<std::string, Made>& MadePictures() {
  static std::map<std::string, Made> made;
  return made;
}

}  // namespace

platform::PicturePtr LoadPicture(const std::string& resourceName) {
  const platform::Gdi* gdi = &platform::Use<platform::Gdi>();
  Made& made = MadePictures()[resourceName];
  if (made.gdi == gdi) {
    if (platform::PicturePtr shared = made.picture.lock()) return shared;
  }
  platform::PicturePtr picture = MakePicture(resourceName);
  made = Made{gdi, picture};
  return picture;
}

platform::PicturePtr LoadLayoutPicture(const std::string& value) {
  if (value.rfind("res:", 0) != 0) return nullptr;
  return LoadPicture(value.substr(4));
}

}  // namespace toolkit
