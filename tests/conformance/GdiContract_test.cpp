// The raster rules the button's drawing relies on, checked on both backends.
#include <gmock/gmock.h>

#include <vector>

#include "conformance/DrawingTest.h"
#include "support/DrawingTools.h"

namespace conformance {
namespace {

using testing_support::ReadPixels;
using testing_support::WritePixels;

constexpr win::COLORREF kWhite = 0xFFFFFF;
constexpr win::COLORREF kBlack = 0x000000;

class GdiContract : public DrawingTest {
 protected:
  void SetUp() override {
    WarmUp();
    baseline_ = Platform().GdiObjects();
  }
  void TearDown() override {
    for (auto it = dcs_.rbegin(); it != dcs_.rend(); ++it) {
      Gdi().SelectObject(it->dc, it->previous);
      Gdi().DeleteObject(it->bitmap);
      Gdi().DeleteDC(it->dc);
    }
    EXPECT_EQ(Platform().GdiObjects(), baseline_) << "a GDI object was left alive";
  }

  // A memory DC holding a fresh colour (screen-deep) or monochrome bitmap.
  win::HDC Dc(int width, int height, bool mono = false) {
    const win::HDC screen = Gdi().GetDC(0);
    Held held;
    held.dc = Gdi().CreateCompatibleDC(screen);
    held.bitmap = mono ? Gdi().CreateBitmap(width, height, 1, 1, nullptr)
                       : Gdi().CreateCompatibleBitmap(screen, width, height);
    held.previous = Gdi().SelectObject(held.dc, held.bitmap);
    Gdi().ReleaseDC(0, screen);
    dcs_.push_back(held);
    return held.dc;
  }

  struct Held {
    win::HDC dc;
    win::HBITMAP bitmap;
    win::HGDIOBJ previous;
  };
  std::vector<Held> dcs_;
  long baseline_ = 0;
};

TEST_F(GdiContract, TheLeakProbeSeesALiveBitmap) {
  const win::HBITMAP bitmap = Gdi().CreateBitmap(4, 4, 1, 1, nullptr);
  EXPECT_EQ(Platform().GdiObjects(), baseline_ + 1);
  Gdi().DeleteObject(bitmap);
  EXPECT_EQ(Platform().GdiObjects(), baseline_);
}

TEST_F(GdiContract, ColourToMonochromeMarksThePixelsOfTheSourcesBackgroundColour) {
  const win::HDC colour = Dc(3, 1);
  const win::HDC mono = Dc(3, 1, true);
  WritePixels(colour, 0, 0, 3, 1, {0x123456, 0x654321, 0x123456});
  Gdi().SetBkColor(colour, 0x123456);
  ASSERT_TRUE(Gdi().BitBlt(mono, 0, 0, 3, 1, colour, 0, 0, win::SRCCOPY));
  EXPECT_THAT(ReadPixels(mono, 0, 0, 3, 1), testing::ElementsAre(kWhite, kBlack, kWhite));
}

TEST_F(GdiContract, MonochromeToColourTakesTheTargetsBackgroundForOneAndTextColourForZero) {
  const win::HDC mono = Dc(2, 1, true);
  const win::HDC colour = Dc(2, 1);
  const win::HBRUSH white = Gdi().CreateSolidBrush(kWhite);
  const win::RECT first{0, 0, 1, 1};
  Gdi().FillRect(mono, &first, white);
  Gdi().DeleteObject(white);
  Gdi().SetBkColor(colour, 0x0A141E);
  Gdi().SetTextColor(colour, 0x3264C8);
  ASSERT_TRUE(Gdi().BitBlt(colour, 0, 0, 2, 1, mono, 0, 0, win::SRCCOPY));
  EXPECT_THAT(ReadPixels(colour, 0, 0, 2, 1), testing::ElementsAre(0x0A141E, 0x3264C8));
}

TEST_F(GdiContract, RasterOperationsCombineSourceAndTargetBitwise) {
  const win::COLORREF source = 0x0F35A9, target = 0x33CC71;
  const struct {
    win::DWORD rop;
    win::COLORREF expected;
  } cases[] = {
      {win::SRCCOPY, source},
      {win::NOTSRCCOPY, ~source & 0xFFFFFF},
      {win::SRCAND, source & target},
      {win::SRCINVERT, source ^ target},
  };
  const win::HDC from = Dc(1, 1);
  const win::HDC to = Dc(1, 1);
  WritePixels(from, 0, 0, 1, 1, {source});
  for (const auto& c : cases) {
    WritePixels(to, 0, 0, 1, 1, {target});
    ASSERT_TRUE(Gdi().BitBlt(to, 0, 0, 1, 1, from, 0, 0, c.rop));
    EXPECT_EQ(Gdi().GetPixel(to, 0, 0), c.expected) << std::hex << c.rop;
  }
}

TEST_F(GdiContract, SystemColourReferencesResolveInTheDcColours) {
  const win::HDC dc = Dc(1, 1);
  Gdi().SetBkColor(dc, 0x8000000F);
  Gdi().SetTextColor(dc, 0x80000012);
  EXPECT_EQ(Gdi().GetBkColor(dc), Gdi().GetSysColor(win::COLOR_BTNFACE));
  EXPECT_EQ(Gdi().GetTextColor(dc), Gdi().GetSysColor(win::COLOR_BTNTEXT));
}

TEST_F(GdiContract, ABitmapCompatibleWithAFreshMemoryDcIsMonochrome) {
  const win::HDC fresh = Gdi().CreateCompatibleDC(0);
  const win::HBITMAP mono = Gdi().CreateCompatibleBitmap(fresh, 4, 4);
  const win::HBITMAP colour = Gdi().CreateCompatibleBitmap(Dc(1, 1), 4, 4);
  win::BITMAP info{};
  ASSERT_NE(Gdi().GetObjectA(mono, &info), 0);
  EXPECT_EQ(info.bmBitsPixel, 1);
  ASSERT_NE(Gdi().GetObjectA(colour, &info), 0);
  EXPECT_GE(info.bmBitsPixel, 24);
  Gdi().DeleteObject(mono);
  Gdi().DeleteObject(colour);
  Gdi().DeleteDC(fresh);
}

TEST_F(GdiContract, ABitmapLivesInOneDcAtATime) {
  Dc(2, 2);
  const win::HBITMAP held = dcs_.back().bitmap;
  const win::HDC second = Gdi().CreateCompatibleDC(0);
  EXPECT_EQ(Gdi().SelectObject(second, held), win::HGDIOBJ{0});
  Gdi().DeleteDC(second);
}

TEST_F(GdiContract, DeletingASelectedBitmapWaitsUntilItsDcLetsGo) {
  const win::HDC dc = Gdi().CreateCompatibleDC(0);
  const win::HBITMAP bitmap = Gdi().CreateBitmap(2, 2, 1, 1, nullptr);
  const win::HGDIOBJ previous = Gdi().SelectObject(dc, bitmap);
  Gdi().DeleteObject(bitmap);
  EXPECT_EQ(Gdi().GetPixel(dc, 0, 0), kBlack) << "still drawable while selected";
  Gdi().SelectObject(dc, previous);
  Gdi().DeleteDC(dc);
}

TEST_F(GdiContract, PixelsOutsideTheSourceBitmapLeaveTheTargetAlone) {
  const win::HDC from = Dc(4, 4);
  const win::HDC to = Dc(4, 4);
  WritePixels(from, 0, 0, 4, 4, std::vector<win::COLORREF>(16, 0x030201));
  WritePixels(to, 0, 0, 4, 4, std::vector<win::COLORREF>(16, 0x090909));
  ASSERT_TRUE(Gdi().BitBlt(to, 0, 0, 4, 4, from, 2, 2, win::SRCCOPY));
  const auto pixels = ReadPixels(to, 0, 0, 4, 4);
  EXPECT_EQ(pixels[0], 0x030201u);
  EXPECT_EQ(pixels[1 * 4 + 1], 0x030201u);
  EXPECT_EQ(pixels[2 * 4 + 2], 0x090909u);
  EXPECT_EQ(pixels[3 * 4 + 0], 0x090909u);
}

TEST_F(GdiContract, GetPixelOutsideTheBitmapIsInvalid) {
  EXPECT_EQ(Gdi().GetPixel(Dc(2, 2), 2, 0), win::CLR_INVALID);
}

TEST_F(GdiContract, DibsRoundTripAndMonochromeReadsAsBlackAndWhite) {
  const std::vector<std::uint32_t> pixels = {0x00112233, 0x00FF0000, 0x0000FF00, 0x000000FF};
  const win::HBITMAP colour = Gdi().CreateDIBitmap(0, 2, 2, pixels.data());
  std::vector<std::uint32_t> back(4);
  ASSERT_EQ(Gdi().GetDIBits(0, colour, 0, 2, back.data()), 2);
  for (auto& pixel : back) pixel &= 0xFFFFFF;
  EXPECT_EQ(back, pixels);
  ASSERT_EQ(Gdi().GetDIBits(0, colour, 1, 1, back.data()), 1) << "a row counted from the top";
  EXPECT_EQ(back[0] & 0xFFFFFF, pixels[2]);
  Gdi().DeleteObject(colour);

  const std::uint16_t rows[2] = {0x0080, 0x0000};  // word-aligned rows, top pixel row first
  const win::HBITMAP mono = Gdi().CreateBitmap(2, 2, 1, 1, rows);
  ASSERT_EQ(Gdi().GetDIBits(0, mono, 0, 2, back.data()), 2);
  for (auto& pixel : back) pixel &= 0xFFFFFF;
  EXPECT_EQ(back, (std::vector<std::uint32_t>{0xFFFFFF, 0, 0, 0}));
  Gdi().DeleteObject(mono);
}

TEST_F(GdiContract, DrawEdgeWithAdjustShrinksByTheEdgesWidth) {
  const win::HDC dc = Dc(20, 20);
  win::RECT frame{0, 0, 20, 20};
  Gdi().DrawEdge(dc, &frame, win::BDR_RAISEDOUTER | win::BDR_SUNKENOUTER,
                 win::BF_RECT | win::BF_ADJUST | win::BF_MONO);
  EXPECT_EQ(frame.left, 1);
  EXPECT_EQ(frame.bottom, 19);
  win::RECT raised{0, 0, 20, 20};
  Gdi().DrawEdge(dc, &raised, win::EDGE_RAISED, win::BF_RECT | win::BF_ADJUST);
  EXPECT_EQ(raised.top, 2);
  EXPECT_EQ(raised.right, 18);
  win::RECT plain{0, 0, 20, 20};
  Gdi().DrawEdge(dc, &plain, win::EDGE_SUNKEN, win::BF_RECT);
  EXPECT_EQ(plain.right, 20) << "no adjust, no change";
}

TEST_F(GdiContract, RegionsCombineAndReportTheirKind) {
  const win::HRGN a = Gdi().CreateRectRgn(0, 0, 10, 10);
  const win::HRGN b = Gdi().CreateRectRgn(5, 5, 15, 15);
  const win::HRGN out = Gdi().CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(Gdi().CombineRgn(out, a, b, win::RGN_AND), win::SIMPLEREGION);
  EXPECT_TRUE(Gdi().PtInRegion(out, 5, 5));
  EXPECT_FALSE(Gdi().PtInRegion(out, 10, 10)) << "right and bottom edges are outside";
  EXPECT_EQ(Gdi().CombineRgn(out, a, b, win::RGN_OR), win::COMPLEXREGION);
  EXPECT_TRUE(Gdi().PtInRegion(out, 14, 14));
  EXPECT_EQ(Gdi().CombineRgn(out, a, b, win::RGN_DIFF), win::COMPLEXREGION);
  EXPECT_FALSE(Gdi().PtInRegion(out, 7, 7));
  EXPECT_EQ(Gdi().CombineRgn(out, a, a, win::RGN_XOR), win::NULLREGION);
  for (win::HRGN region : {a, b, out}) Gdi().DeleteObject(region);
}

TEST_F(GdiContract, SetWindowRgnTakesTheRegion) {
  const win::HRGN region = Gdi().CreateRectRgn(0, 0, 10, 10);
  EXPECT_NE(Gdi().SetWindowRgn(Platform().Window(), region, win::TRUE), 0);
  Gdi().SetWindowRgn(Platform().Window(), 0, win::TRUE);
  EXPECT_EQ(Platform().GdiObjects(), baseline_) << "the system frees a window's region";
}

}  // namespace
}  // namespace conformance
