// The shipped pictures hold what the window relies on: formats and sizes,
// the mask's outline, the skin's cut-away yellow, button pictures equal to
// their crops of the skin and meeting it without a seam, icon and cursor.
#include "ui/Assets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <span>
#include <sstream>
#include <string>

#include <png.h>

#include "assetgen/IconShapes.h"
#include "support/PictureFiles.h"

namespace {

namespace ua = ui::assets;

constexpr std::uint32_t kYellow = 0x00FFFF;  // RGB 255, 255, 0
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kPureBlue = 0xFF0000;  // the buttons' default transparent colour

std::filesystem::path AssetPath(const ua::Asset& asset) {
  return std::filesystem::path(KV_SOURCE_DIR) / "src/ui/assets" / asset.file;
}
std::vector<std::uint8_t> Bytes(const ua::Asset& asset) {
  return testing_support::ReadFileBytes(AssetPath(asset));
}
ui::Image Bitmap(const ua::Asset& asset) { return testing_support::DecodeBitmapFile(Bytes(asset)); }

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
         (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

int Luminance(std::uint32_t c) {
  return static_cast<int>((299 * (c & 0xFF) + 587 * ((c >> 8) & 0xFF) + 114 * (c >> 16)) / 1000);
}

// Controls in pixels at 96 dpi: the layout's twips divided by 15.
struct Rect {
  int x, y, w, h;
};
struct Control {
  std::string_view name;
  Rect rect;
};
constexpr std::array<Control, 6> kButtons{{
    {"btnMin", {544, 22, 15, 15}},
    {"btnClose", {563, 22, 15, 15}},
    {"btnOK", {376, 506, 57, 23}},
    {"btnCancel", {442, 506, 57, 23}},
    {"btnApply", {508, 506, 57, 23}},
    {"btnHomepage", {40, 23, 107, 31}},
}};

class Skin : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    skin_ = new ui::Image(Bitmap(ua::kSkin));
    mask_ = new ui::Image(Bitmap(ua::kSkinMask));
  }
  static void TearDownTestSuite() {
    delete skin_;
    delete mask_;
  }
  static const ui::Image& skin() { return *skin_; }
  static const ui::Image& mask() { return *mask_; }

 private:
  static inline ui::Image* skin_ = nullptr;
  static inline ui::Image* mask_ = nullptr;
};

TEST_F(Skin, SkinAndMaskAre600By550At16BitsBottomUpIn660056Bytes) {
  for (const ua::Asset& asset : {ua::kSkin, ua::kSkinMask}) {
    SCOPED_TRACE(asset.file);
    const auto b = Bytes(asset);
    ASSERT_EQ(b.size(), 660'056u);
    // File header, 40-byte info header, the bits right after it (a bitmap
    // resource keeps no gap), then two bytes that pad the file to 4 bytes.
    EXPECT_EQ(Le32(b, 2), 660'056u);
    EXPECT_EQ(Le32(b, 10), 54u);
    EXPECT_EQ(Le32(b, 14), 40u);
    EXPECT_EQ(Le32(b, 18), 600u);
    EXPECT_EQ(Le32(b, 22), 550u);  // positive: bottom-up
    EXPECT_EQ(b[28], 16);
    EXPECT_EQ(Le32(b, 30), 0u);  // BI_RGB: 5-5-5
    EXPECT_EQ(Le32(b, 34), 660'000u);
    EXPECT_EQ(b[660'054], 0);
    EXPECT_EQ(b[660'055], 0);
    const ui::Image image = testing_support::DecodeBitmapFile(b);
    EXPECT_EQ(image.width, ua::kSkinWidth);
    EXPECT_EQ(image.height, ua::kSkinHeight);
    EXPECT_FALSE(image.topDown);
    // A bitmap resource is the file without its file header.
    EXPECT_EQ(ui::DecodeDib(std::span(b).subspan(14)).pixels, image.pixels);
  }
}

TEST_F(Skin, MaskIsABlackBodyOf528RunsWithRoundedCornersOnWhite) {
  constexpr int kInset[10] = {10, 8, 6, 5, 4, 3, 2, 2, 1, 1};
  EXPECT_EQ(mask().At(0, 0), kWhite);
  int runs = 0;
  for (int y = 0; y < mask().height; ++y) {
    SCOPED_TRACE("row " + std::to_string(y));
    std::vector<std::pair<int, int>> rowRuns;  // [start, end)
    for (int x = 0; x < mask().width; ++x) {
      const std::uint32_t c = mask().At(x, y);
      ASSERT_TRUE(c == kWhite || c == kBlack) << std::hex << c;
      if (c != kBlack) continue;
      if (rowRuns.empty() || rowRuns.back().second != x) rowRuns.push_back({x, x});
      rowRuns.back().second = x + 1;
    }
    runs += static_cast<int>(rowRuns.size());
    if (y < 12 || y > 539) {
      EXPECT_TRUE(rowRuns.empty());
      continue;
    }
    ASSERT_EQ(rowRuns.size(), 1u);
    const int fromEdge = std::min(y - 12, 539 - y);
    const int inset = fromEdge < 10 ? kInset[fromEdge] : 0;
    EXPECT_EQ(rowRuns[0].first, 12 + inset);
    EXPECT_EQ(rowRuns[0].second, 590 - inset);
  }
  EXPECT_EQ(runs, 528);
}

TEST_F(Skin, YellowFillsExactlyWhatTheMaskCutsAway) {
  int yellow = 0;
  for (int y = 0; y < skin().height; ++y) {
    for (int x = 0; x < skin().width; ++x) {
      const bool cut = mask().At(x, y) == kWhite;
      ASSERT_EQ(skin().At(x, y) == kYellow, cut) << "at (" << x << ", " << y << ")";
      yellow += cut ? 1 : 0;
    }
  }
  EXPECT_EQ(yellow, 600 * 550 - (578 * 528 - 2 * 2 * (10 + 8 + 6 + 5 + 4 + 3 + 2 + 2 + 1 + 1)));
}

TEST_F(Skin, SlotsLieExactlyUnderTheCombosAndScrollBars) {
  std::vector<Control> slots = {{"scrSpeed", {37, 388, 531, 14}},
                                {"scrClickSpeed", {38, 454, 246, 14}},
                                {"scrWheelScroll", {321, 455, 246, 14}}};
  for (int i = 0; i < 5; ++i) slots.push_back({"combo", {160, 112 + 28 * i, 105, 20}});
  const std::uint32_t background = skin().At(20, 300);
  for (const Control& c : slots) {
    SCOPED_TRACE(std::string(c.name) + " at y " + std::to_string(c.rect.y));
    const std::uint32_t slot = skin().At(c.rect.x, c.rect.y);
    EXPECT_NE(slot, background);
    for (int y = c.rect.y; y < c.rect.y + c.rect.h; ++y) {
      for (int x = c.rect.x; x < c.rect.x + c.rect.w; ++x) ASSERT_EQ(skin().At(x, y), slot);
    }
    // The slot's frame is at most three pixels out from the control on every side.
    const int midX = c.rect.x + c.rect.w / 2, midY = c.rect.y + c.rect.h / 2;
    const auto framed = [&](int dx, int dy) {
      for (int d = 1; d <= 3; ++d) {
        const int x = dx < 0 ? c.rect.x - d : dx > 0 ? c.rect.x + c.rect.w - 1 + d : midX;
        const int y = dy < 0 ? c.rect.y - d : dy > 0 ? c.rect.y + c.rect.h - 1 + d : midY;
        if (skin().At(x, y) != slot) return true;
      }
      return false;
    };
    EXPECT_TRUE(framed(-1, 0));
    EXPECT_TRUE(framed(1, 0));
    EXPECT_TRUE(framed(0, -1));
    EXPECT_TRUE(framed(0, 1));
  }
}

TEST_F(Skin, PicturesOfTheNormalLookAreCropsOfTheSkin) {
  for (const ua::ButtonPictures& b : ua::kButtonPictures) {
    for (const ua::Asset& state : {b.picture, b.over, b.down, b.focus}) {
      if (state.file != b.picture.file) continue;
      SCOPED_TRACE(std::string(b.button) + " " + std::string(state.file));
      const ui::Image picture = Bitmap(state);
      ASSERT_EQ(picture.width, b.width);
      ASSERT_EQ(picture.height, b.height);
      for (int y = 0; y < b.height; ++y) {
        for (int x = 0; x < b.width; ++x) {
          ASSERT_EQ(picture.At(x, y), skin().At(b.skinX + x, b.skinY + y))
              << "at (" << x << ", " << y << ")";
        }
      }
    }
  }
}

TEST_F(Skin, EveryPictureHasItsSizeAndDepthAndNoTransparentColour) {
  for (const ua::ButtonPictures& b : ua::kButtonPictures) {
    for (const ua::Asset& state : {b.picture, b.over, b.down, b.focus}) {
      SCOPED_TRACE(std::string(state.file));
      const ui::Image picture = Bitmap(state);
      EXPECT_EQ(picture.width, b.width);
      EXPECT_EQ(picture.height, b.height);
      EXPECT_EQ(picture.bitsPerPixel, state.bitsPerPixel);
      EXPECT_FALSE(picture.topDown);
      EXPECT_EQ(std::count(picture.pixels.begin(), picture.pixels.end(), kPureBlue), 0);
      EXPECT_EQ(std::count(picture.pixels.begin(), picture.pixels.end(), kYellow), 0);
    }
  }
  EXPECT_EQ(Bitmap(ua::kCancelOver).bitsPerPixel, 24);
}

TEST_F(Skin, HoverBrightensTheLetteringAndPressingLightensTheFace) {
  for (const ua::ButtonPictures& b : ua::kButtonPictures) {
    SCOPED_TRACE(std::string(b.button));
    const ui::Image normal = Bitmap(b.picture);
    const auto maxLuminance = [](const ui::Image& image) {
      int most = 0;
      for (std::uint32_t c : image.pixels) most = std::max(most, Luminance(c));
      return most;
    };
    const auto meanLuminance = [](const ui::Image& image) {
      long sum = 0;
      for (std::uint32_t c : image.pixels) sum += Luminance(c);
      return static_cast<int>(sum / static_cast<long>(image.pixels.size()));
    };
    if (b.over.file != b.picture.file) {
      const ui::Image over = Bitmap(b.over);
      EXPECT_GT(maxLuminance(over), maxLuminance(normal) + 20);
      EXPECT_LT(std::abs(meanLuminance(over) - meanLuminance(normal)), 10);
    }
    if (b.down.file != b.picture.file) {
      const ui::Image down = Bitmap(b.down);
      EXPECT_GT(meanLuminance(down), meanLuminance(normal) + 60);
      // Dark lettering or glyph inside the face's rim.
      int darkest = 255;
      for (int y = 2; y < down.height - 2; ++y) {
        for (int x = 2; x < down.width - 2; ++x)
          darkest = std::min(darkest, Luminance(down.At(x, y)));
      }
      EXPECT_LT(darkest, 60);
    }
  }
}

// Each picture is drawn at its control's top-left corner, clipped to the
// control. Where it is cut from elsewhere in the skin, the control's edge
// pixels must still show what the skin shows just outside them.
TEST_F(Skin, PicturesMeetTheSkinAroundTheirControlWithoutASeam) {
  for (std::size_t i = 0; i < kButtons.size(); ++i) {
    const ua::ButtonPictures& b = ua::kButtonPictures[i];
    const Rect r = kButtons[i].rect;
    ASSERT_EQ(kButtons[i].name, b.button);
    if (b.skinX == r.x && b.skinY == r.y) continue;  // drawn where it was cut from
    for (const ua::Asset& state : {b.picture, b.over, b.down, b.focus}) {
      SCOPED_TRACE(std::string(state.file));
      const ui::Image picture = Bitmap(state);
      ASSERT_GE(picture.width, r.w);
      ASSERT_GE(picture.height, r.h);
      for (int x = 0; x < r.w; ++x) {
        EXPECT_EQ(picture.At(x, 0), skin().At(r.x + x, r.y - 1)) << "top, x " << x;
        EXPECT_EQ(picture.At(x, r.h - 1), skin().At(r.x + x, r.y + r.h)) << "bottom, x " << x;
      }
      for (int y = 0; y < r.h; ++y) {
        EXPECT_EQ(picture.At(0, y), skin().At(r.x - 1, r.y + y)) << "left, y " << y;
        EXPECT_EQ(picture.At(r.w - 1, y), skin().At(r.x + r.w, r.y + y)) << "right, y " << y;
      }
    }
  }
}

// A 32-bit image of an icon resource: its size, stored bit count, alpha per
// pixel (top row first), and the AND mask where it has one (not in a PNG).
struct Deep {
  int width = 0;
  int height = 0;
  int bits = 0;
  bool png = false;
  std::vector<std::uint8_t> alpha;
  std::vector<std::uint8_t> masked;
  int Alpha(int x, int y) const { return alpha[static_cast<std::size_t>(y * width + x)]; }
};

Deep DecodeDeep(std::span<const std::uint8_t> data) {
  Deep deep;
  if (data.size() > 8 && data[0] == 0x89 && data[1] == 'P') {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) {
      throw ui::BitmapError("unreadable PNG");
    }
    image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
      throw ui::BitmapError("unreadable PNG");
    }
    deep.width = static_cast<int>(image.width);
    deep.height = static_cast<int>(image.height);
    deep.bits = 32;
    deep.png = true;
    for (std::size_t i = 3; i < rgba.size(); i += 4) deep.alpha.push_back(rgba[i]);
    return deep;
  }
  const ui::Image image = testing_support::DecodeIconImage(data);
  const ui::DibLayout layout = ui::ReadDibHeader(data);
  deep.width = image.width;
  deep.height = image.height;
  deep.bits = image.bitsPerPixel;
  deep.masked = image.transparent;
  if (deep.bits != 32) return deep;
  for (int y = 0; y < deep.height; ++y) {
    const std::size_t row = layout.bitsOffset + layout.stride * std::size_t(deep.height - 1 - y);
    for (int x = 0; x < deep.width; ++x) deep.alpha.push_back(data[row + 4 * std::size_t(x) + 3]);
  }
  return deep;
}

// Alpha is the outline's coverage where that is whole: 0 wherever no part of
// a pixel lies inside, opaque wherever all of it does; and the AND mask lets
// the screen through exactly where alpha is 0. Answers the pixels that break it.
template <class Outline>
int PixelsOffTheOutline(const Deep& image, const Outline& outline) {
  int off = 0;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const int hits = assetgen::shapes::Coverage(x, y, outline);
      const int alpha = image.Alpha(x, y);
      const bool wrong =
          (hits == 0 && alpha != 0) ||
          (hits == assetgen::shapes::kSamples * assetgen::shapes::kSamples && alpha != 255) ||
          (!image.masked.empty() &&
           (image.masked[static_cast<std::size_t>(y * image.width + x)] != 0) != (alpha == 0));
      if (wrong) ++off;
    }
  }
  return off;
}

std::uint64_t Fnv1a(std::span<const std::uint8_t> bytes) {
  std::uint64_t h = 0xcbf29ce484222325u;
  for (std::uint8_t b : bytes) h = (h ^ b) * 0x100000001b3u;
  return h;
}

// The 16-colour 32 and 16 pixel images come first, byte for byte as they
// have always been (systems that take the first fitting image, and the
// checksums pin them), then a 32-bit image for each size, drawn at that size.
TEST(Icon, HoldsThe16ColourImagesThenA32BitImageOfEachSize) {
  const std::vector<std::uint8_t> bytes = Bytes(ua::kAppIcon);
  const std::vector<testing_support::IconEntry> entries =
      testing_support::ReadIconDirectory(bytes).entries;
  ASSERT_EQ(entries.size(), 2 + ua::kIconSizes.size());
  const std::set<std::uint32_t> vga = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                       0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                       0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  const std::array<std::uint64_t, 2> pinned{0xc09c417d91295bc4u, 0x0e9a63a7464c9ac3u};
  for (std::size_t i = 0; i < 2; ++i) {
    const int size = i == 0 ? 32 : 16;
    SCOPED_TRACE(size);
    EXPECT_EQ(entries[i].width, size);
    EXPECT_EQ(entries[i].colours, 16);
    EXPECT_EQ(entries[i].bitsOrHotspotY, 4);
    EXPECT_EQ(Fnv1a(entries[i].data), pinned[i]);
    const ui::Image image = testing_support::DecodeIconImage(entries[i].data);
    EXPECT_EQ(image.width, size);
    EXPECT_EQ(image.height, size);
    EXPECT_EQ(image.bitsPerPixel, 4);
    for (std::uint32_t c : image.pixels) ASSERT_TRUE(vga.count(c)) << std::hex << c;
    // A shape on a transparent ground: corners clear, the middle opaque.
    EXPECT_TRUE(image.IsTransparent(0, 0));
    EXPECT_TRUE(image.IsTransparent(size - 1, size - 1));
    EXPECT_FALSE(image.IsTransparent(size / 2 - 2, size * 3 / 4));
  }
  for (std::size_t i = 0; i < ua::kIconSizes.size(); ++i) {
    const int size = ua::kIconSizes[i];
    SCOPED_TRACE(size);
    const testing_support::IconEntry& entry = entries[2 + i];
    EXPECT_EQ(entry.width == 0 ? 256 : entry.width, size);
    EXPECT_EQ(entry.height == 0 ? 256 : entry.height, size);
    EXPECT_EQ(entry.colours, 0);
    EXPECT_EQ(entry.bitsOrHotspotY, 32);
    const Deep image = DecodeDeep(entry.data);
    EXPECT_EQ(image.width, size);
    EXPECT_EQ(image.height, size);
    EXPECT_EQ(image.bits, 32);
    EXPECT_EQ(image.png, size == 256) << "PNG for the large tile only";
    EXPECT_EQ(PixelsOffTheOutline(image, assetgen::shapes::Mouse(size)), 0);
  }
}

// The 16-colour 32 pixel hand, then 32-bit hands for 150 and 200 %, each with
// its hot spot at the fingertip: the first row that shows anything.
TEST(Cursor, IsAHandAtEachSizeWithItsHotSpotAtTheFingertip) {
  const std::vector<std::uint8_t> bytes = Bytes(ua::kHandCursor);
  const std::vector<testing_support::IconEntry> entries =
      testing_support::ReadIconDirectory(bytes).entries;
  ASSERT_EQ(entries.size(), ua::kCursorSizes.size());
  EXPECT_EQ(Fnv1a(entries[0].data), 0xb884dc672aa5207fu) << "the 32 pixel hand as it always was";
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const int size = ua::kCursorSizes[i];
    SCOPED_TRACE(size);
    const testing_support::IconEntry& entry = entries[i];
    EXPECT_EQ(entry.width, size);
    EXPECT_EQ(entry.planesOrHotspotX, ua::kHandHotspotX * size / 32);
    EXPECT_EQ(entry.bitsOrHotspotY, ua::kHandHotspotY * size / 32);
    const ui::Image hand = testing_support::DecodeIconImage(entry.data);
    EXPECT_EQ(hand.width, size);
    EXPECT_EQ(hand.height, size);
    EXPECT_EQ(hand.bitsPerPixel, i == 0 ? 4 : 32);
    EXPECT_FALSE(hand.IsTransparent(entry.planesOrHotspotX, entry.bitsOrHotspotY))
        << "the fingertip";
    if (i == 0) {
      EXPECT_EQ(hand.At(entry.planesOrHotspotX, entry.bitsOrHotspotY), kBlack);
    }
    for (int y = 0; y < entry.bitsOrHotspotY; ++y) {
      for (int x = 0; x < size; ++x) EXPECT_TRUE(hand.IsTransparent(x, y)) << x << ", " << y;
    }
    if (i != 0) {
      EXPECT_EQ(PixelsOffTheOutline(DecodeDeep(entry.data), assetgen::shapes::Hand(size)), 0);
    }
  }
}

// The resource script embeds every asset of the table under its name and
// type, the icon first, each density's set of the pictures drawn per density
// as bitmaps, and nothing else from the assets folder.
TEST(ResourceScript, NamesEveryAssetOnceUnderItsTableName) {
  std::ifstream rc(std::filesystem::path(KV_SOURCE_DIR) / "src/app/KV3050PSetup.rc");
  ASSERT_TRUE(rc);
  const std::regex line(R"(^\s*(\w+)\s+(BITMAP|ICON|CURSOR)\s+"ui/assets/([^"]+)\"\s*$)");
  std::vector<std::tuple<std::string, std::string, std::string>> found;
  for (std::string text; std::getline(rc, text);) {
    std::smatch m;
    if (std::regex_match(text, m, line)) found.emplace_back(m[1], m[2], m[3]);
  }
  ASSERT_EQ(found.size(), ua::kAll.size() + ua::kScaled.size() * (ua::kDpis.size() - 1));
  EXPECT_EQ(std::get<0>(found.front()), ua::kAppIcon.resource);
  const auto once = [&](const std::string& resource, const char* type, const std::string& file) {
    SCOPED_TRACE(resource);
    EXPECT_EQ(std::count(found.begin(), found.end(), std::tuple{resource, std::string(type), file}),
              1);
  };
  for (const ua::Asset& asset : ua::kAll) {
    once(asset.resource,
         asset.kind == ua::Kind::Bitmap ? "BITMAP"
         : asset.kind == ua::Kind::Icon ? "ICON"
                                        : "CURSOR",
         std::string(asset.file));
  }
  for (const ua::Asset& asset : ua::kScaled) {
    for (int dpi : ua::kDpis) {
      if (dpi != 96) once(ua::ResourceAt(asset, dpi), "BITMAP", ua::FileAt(asset, dpi));
    }
  }
}

}  // namespace
