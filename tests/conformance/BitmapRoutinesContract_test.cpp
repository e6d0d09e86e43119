// The button's five bitmap routines give the same pixels on both backends:
// each is run over generated pictures and every target pixel is compared with
// what the routine means, pixel by pixel.
#include <gmock/gmock.h>

#include <cstdint>
#include <string>
#include <vector>

#include "conformance/DrawingTest.h"
#include "controls/TransparentBitmaps.h"
#include "support/DrawingTools.h"
#include "toolkit/PictureBox.h"

namespace conformance {
namespace {

using testing_support::PictureFromColors;
using testing_support::ReadPixels;
using testing_support::WritePixels;
using Pixels = std::vector<win::COLORREF>;

constexpr win::COLORREF kKey = 0xFF0000;  // pure blue, the button's default key

// A picture of blobs in three colours on the key colour, the same on every run.
struct Generated {
  int width;
  int height;
  Pixels pixels;
};

Generated Generate(std::uint32_t seed, int width, int height) {
  const win::COLORREF ink[] = {0x2040C0, 0x10E070, 0x000000};
  Generated picture{width, height, Pixels(static_cast<std::size_t>(width) * height, kKey)};
  auto next = [&seed] {
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
  };
  for (int blob = 0; blob < (width * height) / 12 + 1; ++blob) {
    const int cx = static_cast<int>(next() % static_cast<std::uint32_t>(width));
    const int cy = static_cast<int>(next() % static_cast<std::uint32_t>(height));
    const win::COLORREF color = ink[next() % 3];
    for (int y = cy - 1; y <= cy + 1; ++y) {
      for (int x = cx - 1; x <= cx + 1; ++x) {
        if (x >= 0 && y >= 0 && x < width && y < height && next() % 4 != 0) {
          picture.pixels[static_cast<std::size_t>(y) * width + x] = color;
        }
      }
    }
  }
  return picture;
}

Pixels Gradient(int width, int height) {
  Pixels pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      pixels.push_back(win::RGB(static_cast<win::BYTE>(x * 7), static_cast<win::BYTE>(y * 11),
                                static_cast<win::BYTE>(90 + x + y)));
    }
  }
  return pixels;
}

class BitmapRoutinesContract : public DrawingTest {
 protected:
  // The source in a picture box as the button holds it, and a target of
  // margin pixels around it, filled with a gradient.
  void Arrange(const Generated& picture, int margin = 3) {
    picture_ = picture;
    source_ = std::make_unique<toolkit::PictureBox>(0, 0, 1, 1);
    source_->SetPicture(PictureFromColors(picture.width, picture.height, picture.pixels));
    targetWidth_ = picture.width + 2 * margin;
    targetHeight_ = picture.height + 2 * margin;
    target_ = std::make_unique<toolkit::PictureBox>(0, 0, targetWidth_, targetHeight_);
    before_ = Gradient(targetWidth_, targetHeight_);
    WritePixels(target_->hdc(), 0, 0, targetWidth_, targetHeight_, before_);
  }

  win::COLORREF Source(int x, int y) const {
    if (x < 0 || y < 0 || x >= picture_.width || y >= picture_.height) return win::CLR_INVALID;
    return picture_.pixels[static_cast<std::size_t>(y) * picture_.width + x];
  }

  // What a routine should leave: f(target pixel, source pixel or CLR_INVALID
  // outside the source) inside the copied rectangle, the old pixel elsewhere.
  template <class Rule>
  Pixels Expected(int tx, int ty, int sx, int sy, int width, int height, Rule rule) const {
    Pixels pixels = before_;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const int px = tx + x, py = ty + y;
        if (px < 0 || py < 0 || px >= targetWidth_ || py >= targetHeight_) continue;
        auto& pixel = pixels[static_cast<std::size_t>(py) * targetWidth_ + px];
        pixel = rule(pixel, Source(sx + x, sy + y));
      }
    }
    return pixels;
  }

  Pixels Target() const { return ReadPixels(target_->hdc(), 0, 0, targetWidth_, targetHeight_); }

  // Each seed and size of the set of generated pictures.
  static std::vector<Generated> Pictures() {
    return {Generate(1, 17, 11), Generate(7, 32, 24), Generate(42, 5, 5), Generate(99, 40, 7)};
  }

  Generated picture_;
  std::unique_ptr<toolkit::PictureBox> source_;
  std::unique_ptr<toolkit::PictureBox> target_;
  int targetWidth_ = 0;
  int targetHeight_ = 0;
  Pixels before_;
};

auto Transparent(win::COLORREF key) {
  return [key](win::COLORREF old, win::COLORREF source) { return source == key ? old : source; };
}

TEST_F(BitmapRoutinesContract, PaintTransparentPictureLeavesTheKeyColourOut) {
  for (const Generated& picture : Pictures()) {
    Arrange(picture);
    const int w = picture.width - 1, h = picture.height - 1;
    controls::PaintTransparentPicture(target_->hdc(), source_->hdc(), {4, 2}, {1, 1}, w, h,
                                      static_cast<std::int32_t>(kKey));
    EXPECT_EQ(Target(), Expected(4, 2, 1, 1, w, h, Transparent(kKey))) << picture.width;
  }
}

TEST_F(BitmapRoutinesContract, PaintTransparentPictureTakesKeyMinusOneFromPixelOneOne) {
  for (const Generated& picture : Pictures()) {
    Arrange(picture);
    controls::PaintTransparentPicture(target_->hdc(), source_->hdc(), {3, 3}, {0, 0}, picture.width,
                                      picture.height, -1);
    EXPECT_EQ(Target(),
              Expected(3, 3, 0, 0, picture.width, picture.height, Transparent(Source(1, 1))))
        << picture.width;
  }
}

TEST_F(BitmapRoutinesContract, BlitTransparentBetweenTakesKeyMinusOneFromPixelZeroZero) {
  for (const Generated& picture : Pictures()) {
    Arrange(picture);
    EXPECT_TRUE(controls::BlitTransparentBetween(source_->hdc(), target_->hdc(), -1, 2, 3, 0, 0,
                                                 picture.width, picture.height));
    EXPECT_EQ(Target(),
              Expected(2, 3, 0, 0, picture.width, picture.height, Transparent(Source(0, 0))))
        << picture.width;
  }
}

TEST_F(BitmapRoutinesContract, MakeMaskWritesTheTargetsBackgroundWhereTheKeyWas) {
  const win::COLORREF back = Gdi().GetSysColor(win::COLOR_BTNFACE);
  const win::COLORREF text = Gdi().GetSysColor(win::COLOR_BTNTEXT);
  for (const Generated& picture : Pictures()) {
    Arrange(picture);
    EXPECT_TRUE(controls::MakeMask(source_->hdc(), target_->hdc(), static_cast<std::int32_t>(kKey),
                                   1, 2, 0, 0, picture.width, picture.height));
    EXPECT_EQ(Target(), Expected(1, 2, 0, 0, picture.width, picture.height,
                                 [&](win::COLORREF, win::COLORREF source) {
                                   return source == kKey ? back : text;
                                 }))
        << picture.width;
  }
}

TEST_F(BitmapRoutinesContract, BlitBetweenAppliesEachRasterOperation) {
  const struct {
    win::DWORD rop;
    win::COLORREF (*rule)(win::COLORREF, win::COLORREF);
  } cases[] = {
      {win::SRCCOPY, [](win::COLORREF, win::COLORREF s) { return s; }},
      {win::NOTSRCCOPY, [](win::COLORREF, win::COLORREF s) { return ~s & 0xFFFFFFu; }},
      {win::SRCAND, [](win::COLORREF d, win::COLORREF s) { return d & s; }},
      {win::SRCINVERT, [](win::COLORREF d, win::COLORREF s) { return d ^ s; }},
  };
  const Generated picture = Pictures()[0];
  for (const auto& c : cases) {
    Arrange(picture);
    EXPECT_TRUE(controls::BlitBetween(source_->hdc(), target_->hdc(), c.rop, 3, 1, 0, 0,
                                      picture.width, picture.height));
    EXPECT_EQ(Target(), Expected(3, 1, 0, 0, picture.width, picture.height, c.rule))
        << std::hex << c.rop;
  }
}

TEST_F(BitmapRoutinesContract, PaintHighlightedPicturePaintsExactlyTheShapeInOneColour) {
  constexpr win::COLORREF kColour = 0x3080F0;
  for (const Generated& picture : Pictures()) {
    Arrange(picture);
    toolkit::PictureBox mask(0, 0, picture.width, picture.height);
    toolkit::PictureBox colour(0, 0, picture.width, picture.height);
    const win::COLORREF background = Source(0, 0);
    controls::PaintHighlightedPicture(source_->hdc(), target_->hdc(), mask.hdc(), colour, kColour,
                                      2, 2, 0, 0, picture.width, picture.height);
    EXPECT_EQ(Target(), Expected(2, 2, 0, 0, picture.width, picture.height,
                                 [&](win::COLORREF old, win::COLORREF source) {
                                   return source == background ? old : kColour;
                                 }))
        << picture.width;
  }
}

TEST_F(BitmapRoutinesContract, AreaBeyondTheSourcePaintsBlack) {
  // The scratch bitmaps start black and nothing of the source reaches them there.
  const Generated picture = Pictures()[2];
  Arrange(picture, 6);
  controls::PaintTransparentPicture(target_->hdc(), source_->hdc(), {1, 1}, {2, 2}, 8, 8,
                                    static_cast<std::int32_t>(kKey));
  EXPECT_EQ(Target(), Expected(1, 1, 2, 2, 8, 8, [](win::COLORREF old, win::COLORREF source) {
              if (source == win::CLR_INVALID) return win::COLORREF{0};
              return source == kKey ? old : source;
            }));
}

TEST_F(BitmapRoutinesContract, NoRoutineLeavesAGdiObjectBehind) {
  const Generated picture = Pictures()[1];
  Arrange(picture);
  toolkit::PictureBox mask(0, 0, picture.width, picture.height);
  toolkit::PictureBox colour(0, 0, picture.width, picture.height);
  const long before = Platform().GdiObjects();
  controls::PaintTransparentPicture(target_->hdc(), source_->hdc(), {0, 0}, {0, 0}, 8, 8, -1);
  controls::BlitTransparentBetween(source_->hdc(), target_->hdc(), -1, 0, 0, 0, 0, 8, 8);
  controls::MakeMask(source_->hdc(), mask.hdc(), -1, 0, 0, 0, 0, 8, 8);
  controls::PaintHighlightedPicture(source_->hdc(), target_->hdc(), mask.hdc(), colour, 0x00FF00, 0,
                                    0, 0, 0, 8, 8);
  EXPECT_EQ(Platform().GdiObjects(), before);
}

}  // namespace
}  // namespace conformance
