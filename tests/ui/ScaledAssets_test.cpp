// The pictures drawn for each density keep what the window relies on at
// 96 dpi: the skin and mask cover the scaled client area, the mask is the
// scaled rounded body in two colours with one run a row, the skin is yellow
// exactly where the mask cuts, every button picture is its crop of the skin
// and meets the skin around its button, and the slots lie under the controls
// placed at that density.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>

#include "support/PictureFiles.h"
#include "ui/Assets.h"

namespace {

namespace ua = ui::assets;

constexpr std::uint32_t kYellow = 0x00FFFF;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kPureBlue = 0xFF0000;

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

// A shipped picture of the set for dpi, decoded as the program would.
Picture Load(const ua::Asset& asset, int dpi) {
  const auto bytes = testing_support::ReadFileBytes(std::filesystem::path(KV_SOURCE_DIR) /
                                                    "src/ui/assets" / ua::FileAt(asset, dpi));
  ui::Image image = testing_support::DecodeBitmapFile(bytes);
  return {image.width, image.height, std::move(image.pixels)};
}

const Picture& Cached(const ua::Asset& asset, int dpi) {
  static std::map<std::pair<std::string, int>, Picture> cache;
  const auto key = std::pair{std::string(asset.file), dpi};
  auto found = cache.find(key);
  if (found == cache.end()) found = cache.emplace(key, Load(asset, dpi)).first;
  return found->second;
}

int Luminance(std::uint32_t c) {
  return static_cast<int>((299 * (c & 0xFF) + 587 * ((c >> 8) & 0xFF) + 114 * (c >> 16)) / 1000);
}

class ScaledSet : public ::testing::TestWithParam<int> {
 protected:
  int dpi() const { return GetParam(); }
  double scale() const { return dpi() / 96.0; }
  const Picture& skin() const { return Cached(ua::kSkin, dpi()); }
  const Picture& mask() const { return Cached(ua::kSkinMask, dpi()); }
};

TEST_P(ScaledSet, SkinAndMaskHaveTheScaledSizeAndCoverTheClientArea) {
  for (const Picture* p : {&skin(), &mask()}) {
    EXPECT_EQ(p->width, ua::SkinWidthAt(dpi()));
    EXPECT_EQ(p->height, ua::SkinHeightAt(dpi()));
    EXPECT_GE(p->width, ua::TwipsAt(9000, dpi()));
    EXPECT_GE(p->height, ua::TwipsAt(8220, dpi()));
  }
}

// Two colours, one run a row inside the scaled rectangle, symmetric, its
// corners cut deeper towards the edge, and wherever the 96-dpi mask is one
// colour all around the same place, the same colour.
TEST_P(ScaledSet, MaskIsTheScaledRoundedBodyWithOneRunPerRow) {
  const Picture& m = mask();
  const Picture& m96 = Cached(ua::kSkinMask, 96);
  const int top = ua::PixelsAt(12, dpi()), bottom = ua::PixelsAt(540, dpi());  // [top, bottom)
  const int left = ua::PixelsAt(12, dpi()), right = ua::PixelsAt(590, dpi());
  EXPECT_EQ(m.At(0, 0), kWhite);
  std::vector<int> insets;  // per row from the top
  for (int y = 0; y < m.height; ++y) {
    SCOPED_TRACE("row " + std::to_string(y));
    int runs = 0, start = -1, end = -1;
    for (int x = 0; x < m.width; ++x) {
      const std::uint32_t c = m.At(x, y);
      ASSERT_TRUE(c == kWhite || c == kBlack) << std::hex << c;
      if (c == kBlack && (x == 0 || m.At(x - 1, y) != kBlack)) ++runs, start = x;
      if (c == kBlack) end = x + 1;
    }
    if (y < top || y >= bottom) {
      ASSERT_EQ(runs, 0);
      continue;
    }
    ASSERT_EQ(runs, 1);
    EXPECT_EQ(start - left, right - end) << "left and right corners mirror";
    insets.push_back(start - left);
  }
  ASSERT_EQ(static_cast<int>(insets.size()), bottom - top);
  for (std::size_t i = 0; i < insets.size(); ++i) {
    EXPECT_EQ(insets[i], insets[insets.size() - 1 - i]) << "top and bottom mirror, row " << i;
    if (i > 0 && i <= insets.size() / 2) {
      EXPECT_LE(insets[i], insets[i - 1]);
    }
  }
  EXPECT_NEAR(insets.front(), 10 * scale(), 1.0);
  // The corner is as deep as the 96-dpi one scaled, give or take its last row.
  EXPECT_EQ(insets[static_cast<std::size_t>(std::ceil(10 * scale())) + 1], 0);
  EXPECT_GT(insets[static_cast<std::size_t>(std::floor(9 * scale()))], 0);

  const auto uniform96 = [&](double u, double v, std::uint32_t& colour) {
    colour = m96.At(std::clamp(static_cast<int>(u), 0, m96.width - 1),
                    std::clamp(static_cast<int>(v), 0, m96.height - 1));
    for (int dy = -2; dy <= 2; ++dy) {
      for (int dx = -2; dx <= 2; ++dx) {
        const int x = std::clamp(static_cast<int>(u) + dx, 0, m96.width - 1);
        const int y = std::clamp(static_cast<int>(v) + dy, 0, m96.height - 1);
        if (m96.At(x, y) != colour) return false;
      }
    }
    return true;
  };
  for (int y = 0; y < m.height; ++y) {
    for (int x = 0; x < m.width; ++x) {
      std::uint32_t colour = 0;
      if (!uniform96((x + 0.5) / scale(), (y + 0.5) / scale(), colour)) continue;
      ASSERT_EQ(m.At(x, y), colour) << "at (" << x << ", " << y << ")";
    }
  }
}

TEST_P(ScaledSet, SkinIsYellowExactlyWhereTheMaskCuts) {
  for (int y = 0; y < skin().height; ++y) {
    for (int x = 0; x < skin().width; ++x) {
      ASSERT_EQ(skin().At(x, y) == kYellow, mask().At(x, y) == kWhite)
          << "at (" << x << ", " << y << ")";
    }
  }
}

TEST_P(ScaledSet, ButtonPicturesAreTheirCropsOfTheSkinAndMeetItAroundTheirButton) {
  for (const ua::ButtonPictures& b : ua::kButtonPictures) {
    const ua::PixelRect area = ua::SkinArea(b, dpi());
    // The button at this density; its picture is drawn at its top-left corner.
    const int bx = ua::TwipsAt(b.control.left, dpi()), by = ua::TwipsAt(b.control.top, dpi());
    const int bw = ua::TwipsAt(b.control.width, dpi()), bh = ua::TwipsAt(b.control.height, dpi());
    for (const ua::Asset& state : {b.picture, b.over, b.down, b.focus}) {
      SCOPED_TRACE(ua::FileAt(state, dpi()));
      const Picture& picture = Cached(state, dpi());
      ASSERT_EQ(picture.width, area.width);
      ASSERT_EQ(picture.height, area.height);
      ASSERT_GE(picture.width, bw);
      ASSERT_GE(picture.height, bh);
      EXPECT_EQ(std::count(picture.pixels.begin(), picture.pixels.end(), kYellow), 0);
      EXPECT_EQ(std::count(picture.pixels.begin(), picture.pixels.end(), kPureBlue), 0);
      if (state.file == b.picture.file) {
        for (int y = 0; y < area.height; ++y) {
          for (int x = 0; x < area.width; ++x) {
            ASSERT_EQ(picture.At(x, y), skin().At(area.x + x, area.y + y))
                << "at (" << x << ", " << y << ")";
          }
        }
      }
      if (area.x == bx && area.y == by) continue;  // drawn where it was cut from
      for (int x = 0; x < bw; ++x) {
        ASSERT_EQ(picture.At(x, 0), skin().At(bx + x, by - 1)) << "top, x " << x;
        ASSERT_EQ(picture.At(x, bh - 1), skin().At(bx + x, by + bh)) << "bottom, x " << x;
      }
      for (int y = 0; y < bh; ++y) {
        ASSERT_EQ(picture.At(0, y), skin().At(bx - 1, by + y)) << "left, y " << y;
        ASSERT_EQ(picture.At(bw - 1, y), skin().At(bx + bw, by + y)) << "right, y " << y;
      }
    }
    // Pressing still lightens the face, as at 96 dpi.
    if (b.down.file != b.picture.file) {
      const auto mean = [](const Picture& p) {
        long sum = 0;
        for (std::uint32_t c : p.pixels) sum += Luminance(c);
        return sum / static_cast<long>(p.pixels.size());
      };
      EXPECT_GT(mean(Cached(b.down, dpi())), mean(Cached(b.picture, dpi())) + 60) << b.button;
    }
  }
}

// The combo boxes' and scroll bars' slots: one colour under the whole
// control as the window places it at this density, framed close around it.
TEST_P(ScaledSet, SlotsLieExactlyUnderTheControlsPlacedAtThisDensity) {
  struct Control {
    const char* name;
    ua::TwipsRect twips;
  };
  std::vector<Control> controls = {{"scrSpeed", {555, 5820, 7965, 210}},
                                   {"scrClickSpeed", {570, 6810, 3690, 210}},
                                   {"scrWheelScroll", {4815, 6825, 3690, 210}}};
  for (int i = 0; i < 5; ++i) controls.push_back({"combo", {2400, 1680 + 420 * i, 1575, 300}});
  const std::uint32_t background = skin().At(ua::PixelsAt(20, dpi()), ua::PixelsAt(300, dpi()));
  const int frame = static_cast<int>(std::ceil(3 * scale())) + 1;
  for (const Control& c : controls) {
    SCOPED_TRACE(std::string(c.name) + " at twips " + std::to_string(c.twips.top));
    const int x = ua::TwipsAt(c.twips.left, dpi()), y = ua::TwipsAt(c.twips.top, dpi());
    const int w = ua::TwipsAt(c.twips.width, dpi()), h = ua::TwipsAt(c.twips.height, dpi());
    const std::uint32_t slot = skin().At(x, y);
    EXPECT_NE(slot, background);
    for (int j = y; j < y + h; ++j) {
      for (int i = x; i < x + w; ++i) ASSERT_EQ(skin().At(i, j), slot) << i << ", " << j;
    }
    const auto framed = [&](int dx, int dy) {
      for (int d = 1; d <= frame; ++d) {
        const int px = dx < 0 ? x - d : dx > 0 ? x + w - 1 + d : x + w / 2;
        const int py = dy < 0 ? y - d : dy > 0 ? y + h - 1 + d : y + h / 2;
        if (skin().At(px, py) != slot) return true;
      }
      return false;
    };
    EXPECT_TRUE(framed(-1, 0));
    EXPECT_TRUE(framed(1, 0));
    EXPECT_TRUE(framed(0, -1));
    EXPECT_TRUE(framed(0, 1));
  }
}

INSTANTIATE_TEST_SUITE_P(Densities, ScaledSet, ::testing::ValuesIn(ua::kDpis),
                         [](const ::testing::TestParamInfo<int>& density) {
                           return std::to_string(density.param) + "dpi";
                         });

}  // namespace
