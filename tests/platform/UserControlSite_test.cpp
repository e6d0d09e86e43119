// The user-control site as the sim backend gives it: persistent image, mask
// region, sizes in twips, access keys and pointer, pictures and fonts.
#include <gmock/gmock.h>

#include "platform/ServiceList.h"
#include "platform/sim/SimGdi.h"
#include "platform/sim/SimScreen.h"
#include "platform/sim/SimUserControls.h"
#include "support/DrawingTools.h"

namespace {

using testing_support::PictureFromRows;

constexpr win::COLORREF kBlue = 0xFF0000, kRed = 0x0000FF, kGreen = 0x00FF00;

class UserControlSite : public ::testing::Test {
 protected:
  UserControlSite() {
    auto made = desktop_.Create(0x500, 3, 4, 6, 4);
    site_.reset(static_cast<sim::SimUserControlSurface*>(made.release()));
  }

  sim::SimGdi gdi_;
  sim::SimScreen screen_;
  sim::SimDesktop desktop_{gdi_};
  platform::InstallSome<platform::Gdi, platform::Screen> use_{gdi_, screen_};
  std::unique_ptr<sim::SimUserControlSurface> site_;
};

TEST_F(UserControlSite, MaskColouredPixelsAreCutOutOnlyWithTheTransparentStyle) {
  const auto mask =
      PictureFromRows({"BRRRRB", "RRRRRR", "RRBBRR", "BRRRRB"}, {{'B', kBlue}, {'R', kRed}});
  site_->SetMaskColor(kBlue);
  site_->SetMaskPicture(mask);
  EXPECT_FALSE(site_->HasRegion()) << "opaque: the whole rectangle";
  site_->SetBackStyle(platform::kBackStyleTransparent);
  EXPECT_FALSE(site_->IsHit(0, 0));
  EXPECT_FALSE(site_->IsHit(2, 2));
  EXPECT_TRUE(site_->IsHit(1, 0));
  EXPECT_TRUE(site_->IsHit(5, 1));
  site_->SetMaskColor(kRed);
  EXPECT_TRUE(site_->IsHit(0, 0));
  EXPECT_FALSE(site_->IsHit(1, 0));
  site_->SetMaskPicture(nullptr);
  EXPECT_FALSE(site_->HasRegion());
  EXPECT_EQ(gdi_.LiveObjects(), 2) << "the image's bitmap and the mask's: no region left over";
}

TEST_F(UserControlSite, TheImagePersistsAndAResizeKeepsWhatFits) {
  site_->SetBackColor(kGreen);
  testing_support::WritePixels(site_->hdc(), 0, 0, 1, 1, {kRed});
  site_->SetWidth(150);  // twips: 10 pixels
  EXPECT_EQ(site_->ScaleWidth(), 10);
  EXPECT_EQ(site_->PixelAt(0, 0), kRed);
  EXPECT_EQ(site_->PixelAt(9, 3), kGreen) << "the new part shows the background";
  site_->Cls();
  EXPECT_EQ(site_->PixelAt(0, 0), kGreen);
}

TEST_F(UserControlSite, TheBackgroundPictureLiesUnderEverythingAndClearingKeepsIt) {
  site_->SetBackColor(kGreen);
  site_->SetPicture(PictureFromRows({"RR", "RR"}, {{'R', kRed}}));
  EXPECT_EQ(site_->PixelAt(1, 1), kRed);
  EXPECT_EQ(site_->PixelAt(2, 2), kGreen);
  site_->Cls();
  EXPECT_EQ(site_->PixelAt(0, 0), kRed);
}

TEST_F(UserControlSite, SizesInTwipsRoundToWholePixels) {
  site_->SetHeight(367);  // 24.47 pixels
  EXPECT_EQ(site_->ScaleHeight(), 24);
  EXPECT_DOUBLE_EQ(site_->Height(), 360);
  screen_.dpiY = 120;
  site_->SetHeight(360);
  EXPECT_EQ(site_->ScaleHeight(), 30);
}

TEST_F(UserControlSite, ScreenToClientFollowsTheContainerAndThePosition) {
  desktop_.SetWindowOrigin(0x500, 100, 50);
  win::POINT at{110, 60};
  ASSERT_TRUE(desktop_.ScreenToClient(site_->hwnd(), &at));
  EXPECT_EQ(at.x, 7);
  EXPECT_EQ(at.y, 6);
  site_->Move(0, 0, 6, 4);
  at = {110, 60};
  desktop_.ScreenToClient(site_->hwnd(), &at);
  EXPECT_EQ(at.x, 10);
}

TEST_F(UserControlSite, TheCustomPointerShowsTheMouseIcon) {
  const win::HICON hand = gdi_.MakeIcon();
  site_->SetMouseIcon(platform::Picture::FromCursor(hand, 32, 32, true));
  EXPECT_EQ(site_->CursorToShow(), 0) << "pointer 0: the default arrow";
  site_->SetMousePointer(platform::kPointerCustom);
  EXPECT_EQ(site_->CursorToShow(), static_cast<std::intptr_t>(hand));
  site_->SetMousePointer(11);
  EXPECT_EQ(site_->CursorToShow(), -11);
  site_->SetMouseIcon(nullptr);
  EXPECT_EQ(gdi_.LiveIcons(), 0) << "an owned cursor goes with its picture";
}

TEST_F(UserControlSite, PictureSizesInHundredthsOfAMillimetre) {
  // The main window's saved sizes: 15, 57 and 107 pixels at 96 dpi.
  const struct { int pixels, himetric; } cases[] = {{15, 397}, {57, 1508}, {107, 2831}, {1, 26}};
  for (const auto& c : cases) {
    const platform::Picture picture(platform::PictureKind::Bitmap, 1, c.pixels, c.pixels, false);
    EXPECT_EQ(picture.Width(), c.himetric) << c.pixels;
  }
  EXPECT_EQ(platform::Picture().Width(), 0);
}

TEST_F(UserControlSite, AFontBecomesALogFontOfItsPointSize) {
  platform::Font font;
  font.Name = "Gulim";
  font.Size = 9;
  font.Charset = 129;
  font.Bold = true;
  const win::LOGFONTA logFont = font.ToLogFont(15);
  EXPECT_EQ(logFont.lfHeight, -12);
  EXPECT_EQ(logFont.lfWeight, win::FW_BOLD);
  EXPECT_EQ(logFont.lfCharSet, 129);
  EXPECT_STREQ(logFont.lfFaceName, "Gulim");
}

}  // namespace
