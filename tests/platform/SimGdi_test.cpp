// What the sim GDI keeps for tests: live counts that catch leaks, and the
// user32 drawing calls it records instead of drawing.
#include "platform/sim/SimGdi.h"

#include <gmock/gmock.h>

namespace {

class SimGdiTest : public ::testing::Test {
 protected:
  sim::SimGdi gdi_;
};

TEST_F(SimGdiTest, ASelectedBitmapDeletedEarlyStaysLiveUntilItsDcGoes) {
  const win::HDC dc = gdi_.CreateCompatibleDC(0);
  const win::HBITMAP bitmap = gdi_.CreateBitmap(2, 2, 1, 1, nullptr);
  gdi_.SelectObject(dc, bitmap);
  EXPECT_TRUE(gdi_.DeleteObject(bitmap));
  EXPECT_EQ(gdi_.LiveBitmaps(), 1);
  gdi_.DeleteDC(dc);
  EXPECT_EQ(gdi_.LiveBitmaps(), 0);
  EXPECT_EQ(gdi_.LiveDCs(), 0);
}

TEST_F(SimGdiTest, DrawingCallsAreRecordedWithTheDcState) {
  const win::HDC dc = gdi_.CreateCompatibleDC(0);
  gdi_.SetTextColor(dc, 0x80000011);
  gdi_.SetBkMode(dc, win::TRANSPARENT);
  gdi_.DrawStateA(dc, 0, "&Go", 3, 5, 6, 0, 0, win::DST_PREFIXTEXT);
  const win::RECT rect{1, 2, 3, 4};
  gdi_.DrawFocusRect(dc, &rect);
  ASSERT_EQ(gdi_.Texts().size(), 1u);
  const auto& text = gdi_.Texts()[0];
  EXPECT_EQ(text.text, "&Go");
  EXPECT_EQ(text.x, 5);
  EXPECT_EQ(text.textColor, gdi_.GetSysColor(win::COLOR_GRAYTEXT));
  EXPECT_EQ(text.bkMode, win::TRANSPARENT);
  ASSERT_EQ(gdi_.FocusRects().size(), 1u);
  EXPECT_EQ(gdi_.FocusRects()[0].rect.bottom, 4);
  gdi_.DeleteDC(dc);
}

TEST_F(SimGdiTest, LinesLeaveOutTheirLastPoint) {
  const win::HDC dc = gdi_.CreateCompatibleDC(0);
  const win::HBITMAP bitmap = gdi_.CreateCompatibleBitmap(gdi_.GetDC(0), 4, 1);
  const win::HGDIOBJ previous = gdi_.SelectObject(dc, bitmap);
  const win::HPEN pen = gdi_.CreatePen(win::PS_SOLID, 1, 0x0000FF);
  gdi_.SelectObject(dc, pen);
  gdi_.MoveToEx(dc, 0, 0, nullptr);
  gdi_.LineTo(dc, 3, 0);
  EXPECT_THAT(gdi_.Pixels(bitmap), testing::ElementsAre(0x0000FFu, 0x0000FFu, 0x0000FFu, 0u));
  gdi_.SelectObject(dc, previous);
}

TEST_F(SimGdiTest, AWindowRegionBelongsToTheSystem) {
  const win::HRGN region = gdi_.CreateRectRgn(0, 0, 4, 4);
  gdi_.SetWindowRgn(7, region, win::TRUE);
  EXPECT_EQ(gdi_.LiveObjects(), 0);
  ASSERT_NE(gdi_.WindowRegion(7), nullptr);
  EXPECT_TRUE(gdi_.WindowRegion(7)->Contains(3, 3));
  EXPECT_FALSE(gdi_.DeleteObject(region)) << "no longer the program's";
}

}  // namespace
