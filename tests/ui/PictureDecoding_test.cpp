// The picture decoders over hand-made files: every supported layout decodes
// to the same colours, and malformed input is rejected with a clear error.
#include "support/PictureFiles.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
using ::testing::HasSubstr;

void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
void Patch16(Bytes& b, std::size_t at, std::uint32_t v) {
  b[at] = static_cast<std::uint8_t>(v);
  b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Patch32(Bytes& b, std::size_t at, std::uint32_t v) {
  Patch16(b, at, v & 0xFFFF);
  Patch16(b, at + 2, v >> 16);
}

// A 3 x 2 test picture (odd width, so rows need padding) in colours that every
// depth holds exactly: channels are 0 or 255.
constexpr std::uint32_t kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;
constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000, kYellow = 0x00FFFF;
const std::vector<std::uint32_t> kPicture = {kRed, kGreen, kBlue, kWhite, kBlack, kYellow};
const std::vector<std::uint32_t> kPalette = {kBlack, kWhite, kRed, kGreen, kBlue, kYellow};
const std::vector<std::uint32_t> kTwoColours = {kWhite, kBlack, kWhite, kBlack, kBlack, kWhite};

struct Layout {
  const char* name;
  int bits;
  bool bitfields;  // BI_BITFIELDS with masks after the header
  bool topDown;
  std::uint32_t masks[3];
};

std::uint32_t Encode(std::uint32_t colour, const Layout& l) {
  const std::uint32_t channels[3] = {colour & 0xFF, (colour >> 8) & 0xFF, colour >> 16};
  std::uint32_t v = 0;
  for (int i = 0; i < 3; ++i) {
    if (channels[i] != 0) v |= l.masks[i];
  }
  return v;
}

// A whole .bmp file of the picture in the given layout.
Bytes MakeBitmap(const Layout& l, const std::vector<std::uint32_t>& picture) {
  constexpr int w = 3, h = 2;
  const std::vector<std::uint32_t>& palette =
      l.bits == 1 ? std::vector<std::uint32_t>{kBlack, kWhite} : kPalette;
  const bool indexed = l.bits <= 8;
  const std::uint32_t stride = ((w * l.bits + 31) / 32) * 4;
  Bytes body;  // info header onwards
  Put32(body, 40);
  Put32(body, w);
  Put32(body, static_cast<std::uint32_t>(l.topDown ? -h : h));
  Put16(body, 1);
  Put16(body, static_cast<std::uint32_t>(l.bits));
  Put32(body, l.bitfields ? 3 : 0);
  Put32(body, stride * h);
  Put32(body, 0);
  Put32(body, 0);
  Put32(body, indexed ? static_cast<std::uint32_t>(palette.size()) : 0);
  Put32(body, 0);
  if (l.bitfields) {
    for (std::uint32_t m : l.masks) Put32(body, m);
  }
  if (indexed) {
    for (std::uint32_t c : palette) Put32(body, ((c & 0xFF) << 16) | (c & 0xFF00) | (c >> 16));
  }
  const std::size_t bitsAt = body.size();
  for (int row = 0; row < h; ++row) {
    const int y = l.topDown ? row : h - 1 - row;
    Bytes line(stride, 0);
    for (int x = 0; x < w; ++x) {
      const std::uint32_t colour = picture[static_cast<std::size_t>(y * w + x)];
      if (indexed) {
        std::uint32_t index = 0;
        while (palette[index] != colour) ++index;
        const int bit = x * l.bits;
        line[static_cast<std::size_t>(bit / 8)] |=
            static_cast<std::uint8_t>(index << (8 - l.bits - bit % 8));
      } else if (l.bits == 24) {
        line[static_cast<std::size_t>(x * 3)] = static_cast<std::uint8_t>(colour >> 16);
        line[static_cast<std::size_t>(x * 3 + 1)] = static_cast<std::uint8_t>(colour >> 8);
        line[static_cast<std::size_t>(x * 3 + 2)] = static_cast<std::uint8_t>(colour);
      } else {
        const std::uint32_t v = Encode(colour, l);
        for (int k = 0; k < l.bits / 8; ++k) {
          line[static_cast<std::size_t>(x * (l.bits / 8) + k)] =
              static_cast<std::uint8_t>(v >> (8 * k));
        }
      }
    }
    body.insert(body.end(), line.begin(), line.end());
  }
  Bytes file = {'B', 'M'};
  Put32(file, static_cast<std::uint32_t>(14 + body.size()));
  Put32(file, 0);
  Put32(file, static_cast<std::uint32_t>(14 + bitsAt));
  file.insert(file.end(), body.begin(), body.end());
  return file;
}

const Layout kLayouts[] = {
    {"1 bit", 1, false, false, {}},
    {"4 bits", 4, false, false, {}},
    {"8 bits", 8, false, false, {}},
    {"16 bits 5-5-5", 16, false, false, {0x7C00, 0x03E0, 0x001F}},
    {"16 bits 5-6-5 bit fields", 16, true, false, {0xF800, 0x07E0, 0x001F}},
    {"24 bits", 24, false, false, {}},
    {"32 bits", 32, false, false, {0xFF0000, 0x00FF00, 0x0000FF}},
    {"32 bits bit fields", 32, true, false, {0x0000FF00, 0x00FF0000, 0xFF000000}},
    {"24 bits top-down", 24, false, true, {}},
    {"16 bits 5-5-5 top-down", 16, false, true, {0x7C00, 0x03E0, 0x001F}},
};

TEST(PictureDecoding, EveryLayoutDecodesToTheSameColoursTopRowFirst) {
  for (const Layout& l : kLayouts) {
    SCOPED_TRACE(l.name);
    const auto& picture = l.bits == 1 ? kTwoColours : kPicture;
    const ui::Image image = testing_support::DecodeBitmapFile(MakeBitmap(l, picture));
    EXPECT_EQ(image.width, 3);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.bitsPerPixel, l.bits);
    EXPECT_EQ(image.topDown, l.topDown);
    EXPECT_EQ(image.pixels, picture);
    EXPECT_TRUE(image.transparent.empty());
  }
}

TEST(PictureDecoding, NarrowChannelsWidenByRepeatingTheirBits) {
  // 5-5-5 levels 16, 8, 1 and the 6-bit green level 33 of 5-6-5.
  Layout l{"555", 16, false, false, {0x7C00, 0x03E0, 0x001F}};
  Bytes file = MakeBitmap(l, kPicture);
  const std::size_t bottomRow = 54;  // bottom-up: the file's first row is the picture's last
  Patch16(file, bottomRow, (16u << 10) | (8u << 5) | 1u);
  EXPECT_EQ(testing_support::DecodeBitmapFile(file).At(0, 1), 0x08'42'84u);  // B 8, G 66, R 132

  Layout l565{"565", 16, true, false, {0xF800, 0x07E0, 0x001F}};
  file = MakeBitmap(l565, kPicture);
  Patch16(file, 54 + 12, 33u << 5);
  EXPECT_EQ(testing_support::DecodeBitmapFile(file).At(0, 1), 0x00'86'00u);  // 33 -> 134
}

// A .bmp file of 8-bit run-length bits over kPalette (black, white, red,
// green, blue, yellow are indices 0 to 5).
Bytes MakeRle8(int w, int h, const Bytes& bits, int depth = 8) {
  Bytes file = {'B', 'M'};
  const auto bitsAt = static_cast<std::uint32_t>(14 + 40 + 4 * kPalette.size());
  Put32(file, bitsAt + static_cast<std::uint32_t>(bits.size()));
  Put32(file, 0);
  Put32(file, bitsAt);
  Put32(file, 40);
  Put32(file, static_cast<std::uint32_t>(w));
  Put32(file, static_cast<std::uint32_t>(h));
  Put16(file, 1);
  Put16(file, static_cast<std::uint32_t>(depth));
  Put32(file, 1);  // BI_RLE8
  Put32(file, static_cast<std::uint32_t>(bits.size()));
  Put32(file, 0);
  Put32(file, 0);
  Put32(file, static_cast<std::uint32_t>(kPalette.size()));
  Put32(file, 0);
  for (std::uint32_t c : kPalette) Put32(file, ((c & 0xFF) << 16) | (c & 0xFF00) | (c >> 16));
  file.insert(file.end(), bits.begin(), bits.end());
  return file;
}

// Runs, colours one by one (padded to an even count), the ends of a row and
// of the bitmap, and a move that leaves pixels black.
TEST(PictureDecoding, RunLengthBitsDecodeEveryEscape) {
  const struct {
    const char* name;
    Bytes bits;
    std::vector<std::uint32_t> picture;
  } cases[] = {
      {"runs, then colours one by one", {1, 1, 1, 0, 1, 5, 0, 0, 0, 3, 2, 3, 4, 0, 0, 1}, kPicture},
      {"a run the width of a row, then a move",
       {3, 2, 0, 0, 0, 2, 2, 0, 1, 5, 0, 1},
       {kBlack, kBlack, kYellow, kRed, kRed, kRed}},
      {"an end of bitmap before the last row", {2, 3, 0, 1}, {0, 0, 0, kGreen, kGreen, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ui::Image image = testing_support::DecodeBitmapFile(MakeRle8(3, 2, c.bits));
    EXPECT_EQ(image.pixels, c.picture);
  }
}

TEST(PictureDecoding, AResourceDibIsTheFileWithoutItsFileHeader) {
  const Bytes file = MakeBitmap(kLayouts[4], kPicture);
  const ui::Image image = ui::DecodeDib(std::span(file).subspan(14));
  EXPECT_EQ(image.pixels, kPicture);
}

// A two-image icon (or one-image cursor) of 4-bit 2 x 2 pictures whose
// top-right pixel is transparent.
Bytes MakeIcon(int type, int count, int hotspotX = 1, int hotspotY = 0) {
  Bytes dib;
  Put32(dib, 40);
  Put32(dib, 2);
  Put32(dib, 4);  // twice the height
  Put16(dib, 1);
  Put16(dib, 4);
  Put32(dib, 0);
  Put32(dib, 16);
  for (int i = 0; i < 3; ++i) Put32(dib, 0);
  Put32(dib, 0);
  Put32(dib, 0x00FF00);  // index 0 green
  Put32(dib, 0x0000FF);  // index 1 blue
  for (int i = 2; i < 16; ++i) Put32(dib, 0);
  Put32(dib, 0x00000010);  // bottom row: blue, green
  Put32(dib, 0x00000001);  // top row: green, blue (masked)
  Put32(dib, 0x00000000);  // AND mask bottom row: opaque
  Put32(dib, 0x00000040);  // top row: second pixel transparent
  Bytes file;
  Put16(file, 0);
  Put16(file, static_cast<std::uint32_t>(type));
  Put16(file, static_cast<std::uint32_t>(count));
  for (int i = 0; i < count; ++i) {
    file.push_back(2);
    file.push_back(2);
    file.push_back(16);
    file.push_back(0);
    Put16(file, type == 2 ? static_cast<std::uint32_t>(hotspotX) : 1);
    Put16(file, type == 2 ? static_cast<std::uint32_t>(hotspotY) : 4);
    Put32(file, static_cast<std::uint32_t>(dib.size()));
    Put32(file, static_cast<std::uint32_t>(6 + 16 * count + i * static_cast<int>(dib.size())));
  }
  for (int i = 0; i < count; ++i) file.insert(file.end(), dib.begin(), dib.end());
  return file;
}

TEST(PictureDecoding, IconsAndCursorsCarryTheirMaskAndHotSpot) {
  const testing_support::IconFile icon = testing_support::DecodeIconFile(MakeIcon(1, 2));
  EXPECT_EQ(icon.kind, testing_support::IconKind::Icon);
  ASSERT_EQ(icon.images.size(), 2u);
  const ui::Image& image = icon.images[1];
  EXPECT_EQ(image.bitsPerPixel, 4);
  EXPECT_EQ(image.pixels, (std::vector<std::uint32_t>{kGreen, kBlue, kBlue, kGreen}));
  EXPECT_EQ(image.transparent, (std::vector<std::uint8_t>{0, 1, 0, 0}));
  EXPECT_TRUE(image.IsTransparent(1, 0));

  const testing_support::IconFile cursor = testing_support::DecodeIconFile(MakeIcon(2, 1, 1, 1));
  EXPECT_EQ(cursor.kind, testing_support::IconKind::Cursor);
  EXPECT_EQ(cursor.images[0].hotspotX, 1);
  EXPECT_EQ(cursor.images[0].hotspotY, 1);
}

struct Bad {
  const char* name;
  std::function<Bytes()> make;
  const char* error;
};

Bytes Valid4() { return MakeBitmap(kLayouts[1], kPicture); }
Bytes Valid16() { return MakeBitmap(kLayouts[4], kPicture); }
Bytes With32(Bytes b, std::size_t at, std::uint32_t v) {
  Patch32(b, at, v);
  return b;
}
Bytes With16(Bytes b, std::size_t at, std::uint32_t v) {
  Patch16(b, at, v);
  return b;
}
Bytes Cut(Bytes b, std::size_t n) {
  b.resize(b.size() - n);
  return b;
}

TEST(PictureDecoding, RejectsMalformedBitmapsWithAClearError) {
  const Bad cases[] = {
      {"empty", [] { return Bytes{}; }, "truncated file header"},
      {"no signature", [] { return With16(Valid4(), 0, 'X' | ('M' << 8)); }, "no \"BM\" signature"},
      {"header cut short",
       [] {
         Bytes b = Valid4();
         b.resize(30);
         return With32(b, 2, 30);
       },
       "truncated bitmap header"},
      {"file size beyond the end", [] { return With32(Valid4(), 2, 10000); },
       "header says 10000 bytes"},
      {"pixels cut short",
       [] {
         Bytes b = Cut(Valid4(), 3);
         return With32(b, 2, 0);
       },
       "truncated pixel data"},
      {"unknown header size", [] { return With32(Valid4(), 14, 64); },
       "unsupported bitmap header size 64"},
      {"two planes", [] { return With16(Valid4(), 26, 2); }, "2 planes"},
      {"7 bits per pixel", [] { return With16(Valid4(), 28, 7); }, "unsupported bit depth 7"},
      {"run-length compressed", [] { return With32(Valid4(), 30, 2); },
       "unsupported compression 2"},
      {"bit fields on 24 bits", [] { return With32(MakeBitmap(kLayouts[5], kPicture), 30, 3); },
       "bit-field colour masks with 24"},
      {"zero width", [] { return With32(Valid4(), 18, 0); }, "width 0 is not positive"},
      {"negative width", [] { return With32(Valid4(), 18, static_cast<std::uint32_t>(-3)); },
       "width -3 is not positive"},
      {"zero height", [] { return With32(Valid4(), 22, 0); }, "height is 0"},
      {"huge", [] { return With32(With32(Valid4(), 18, 100000), 22, 100000); }, "too large"},
      {"most negative height", [] { return With32(Valid4(), 22, 0x80000000u); }, "too large"},
      {"colour table too long", [] { return With32(Valid4(), 46, 17); },
       "colour table of 17 entries for 4 bits"},
      {"index beyond the colour table",
       [] {
         // Two table entries, yet the pixels use six; bits moved up accordingly.
         Bytes b = With32(Valid4(), 46, 2);
         return With32(b, 10, 54 + 8);
       },
       "uses colour"},
      {"pixel offset inside the headers", [] { return With32(Valid4(), 10, 40); },
       "lies inside the headers"},
      {"mask with a gap", [] { return With32(Valid16(), 54, 0xF801); }, "not one run of bits"},
      {"empty mask", [] { return With32(Valid16(), 58, 0); }, "green colour mask is empty"},
  };
  for (const Bad& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_THAT([&] { testing_support::DecodeBitmapFile(c.make()); },
                ::testing::ThrowsMessage<ui::BitmapError>(HasSubstr(c.error)));
  }
}

TEST(PictureDecoding, RejectsMalformedRunLengthBitsWithAClearError) {
  const Bad cases[] = {
      {"a run past its row",
       [] {
         return MakeRle8(3, 2, {4, 1, 0, 1});
       },
       "leaves the bitmap"},
      {"colours past their row",
       [] {
         return MakeRle8(3, 2, {1, 1, 0, 3, 1, 1, 1, 0, 0, 1});
       },
       "leaves the bitmap"},
      {"a run below the last row",
       [] {
         return MakeRle8(3, 2, {0, 0, 0, 0, 1, 1, 0, 1});
       },
       "leaves the bitmap"},
      {"a move out of the bitmap",
       [] {
         return MakeRle8(3, 2, {0, 2, 4, 0, 0, 1});
       },
       "move leaves the bitmap"},
      {"no end of bitmap",
       [] {
         return MakeRle8(3, 2, {3, 1, 0, 0});
       },
       "truncated run-length bits"},
      {"colours cut short",
       [] {
         return MakeRle8(3, 2, {0, 3, 1, 1});
       },
       "truncated run-length colours"},
      {"a colour beyond the table",
       [] {
         return MakeRle8(3, 2, {1, 9, 0, 1});
       },
       "uses colour 9"},
      {"4 bits per pixel",
       [] {
         return MakeRle8(3, 2, {0, 1}, 4);
       },
       "need 8 bits per pixel"},
      {"top row first",
       [] {
         return With32(MakeRle8(3, 2, {0, 1}), 22, static_cast<std::uint32_t>(-2));
       },
       "bottom row first"},
  };
  for (const Bad& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_THAT([&] { testing_support::DecodeBitmapFile(c.make()); },
                ::testing::ThrowsMessage<ui::BitmapError>(HasSubstr(c.error)));
  }
}

TEST(PictureDecoding, RejectsMalformedIconsWithAClearError) {
  const std::size_t image = 6 + 16;  // the one image of a one-image file
  const Bad cases[] = {
      {"reserved word set", [] { return With16(MakeIcon(1, 1), 0, 1); }, "reserved word is not 0"},
      {"type 3", [] { return With16(MakeIcon(1, 1), 2, 3); }, "type 3"},
      {"no images", [] { return With16(MakeIcon(1, 1), 4, 0); }, "holds no image"},
      {"directory cut short",
       [] {
         Bytes b = MakeIcon(1, 1);
         b.resize(12);
         return b;
       },
       "truncated icon directory"},
      {"image beyond the end", [] { return With32(MakeIcon(1, 1), 6 + 12, 5000); },
       "truncated icon image"},
      {"image inside the directory", [] { return With32(MakeIcon(1, 1), 6 + 12, 6); },
       "starts inside the directory"},
      {"PNG image",
       [=] {
         Bytes b = MakeIcon(1, 1);
         b[image] = 0x89;
         b[image + 1] = 'P';
         b[image + 2] = 'N';
         b[image + 3] = 'G';
         return b;
       },
       "PNG-compressed"},
      {"odd doubled height", [=] { return With32(MakeIcon(1, 1), image + 8, 3); },
       "not twice a positive height"},
      {"directory size differs",
       [] {
         Bytes b = MakeIcon(1, 1);
         b[6] = 4;
         return b;
       },
       "directory entry says 4 x 2"},
      {"hot spot outside", [] { return MakeIcon(2, 1, 2, 0); }, "lies outside the image"},
      {"AND mask cut short",
       [] {
         Bytes b = Cut(MakeIcon(1, 1), 4);
         return With32(b, 6 + 8, 40 + 64 + 12);
       },
       "truncated AND mask"},
  };
  for (const Bad& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_THAT([&] { testing_support::DecodeIconFile(c.make()); },
                ::testing::ThrowsMessage<ui::BitmapError>(HasSubstr(c.error)));
  }
}

// Whatever the bytes, a decoder returns an image or throws BitmapError.
void DecodesOrRejects(const std::function<void(const Bytes&)>& decode, const Bytes& valid) {
  for (std::size_t n = 0; n < valid.size(); ++n) {
    const Bytes prefix(valid.begin(), valid.begin() + static_cast<std::ptrdiff_t>(n));
    try {
      decode(prefix);
    } catch (const ui::BitmapError&) {
    }
  }
  std::mt19937 random(7);
  for (int round = 0; round < 3000; ++round) {
    Bytes b = valid;
    for (int k = 0; k < 3; ++k) {
      b[random() % b.size()] = static_cast<std::uint8_t>(random());
    }
    try {
      decode(b);
    } catch (const ui::BitmapError&) {
    }
  }
}

TEST(PictureDecoding, TruncatedOrCorruptedInputNeverEscapesAsAnythingButBitmapError) {
  for (const Layout& l : kLayouts) {
    SCOPED_TRACE(l.name);
    DecodesOrRejects([](const Bytes& b) { testing_support::DecodeBitmapFile(b); },
                     MakeBitmap(l, l.bits == 1 ? kTwoColours : kPicture));
  }
  DecodesOrRejects([](const Bytes& b) { testing_support::DecodeBitmapFile(b); },
                   MakeRle8(3, 2, {1, 1, 1, 0, 1, 5, 0, 0, 0, 3, 2, 3, 4, 0, 0, 1}));
  DecodesOrRejects([](const Bytes& b) { testing_support::DecodeIconFile(b); }, MakeIcon(1, 2));
  DecodesOrRejects([](const Bytes& b) { testing_support::DecodeIconFile(b); }, MakeIcon(2, 1));
}

TEST(PictureDecoding, AMissingFileIsAnError) {
  EXPECT_THROW(testing_support::ReadFileBytes("/nonexistent/picture.bmp"), ui::BitmapError);
}

}  // namespace
