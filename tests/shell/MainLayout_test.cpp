// The main window as its layout and assets make it: the skin behind it, the
// rounded shape cut from the mask, and the six skinned buttons restored from
// their saved properties.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "support/PictureFiles.h"
#include "support/sim/ProgramFixture.h"
#include "ui/Assets.h"

namespace {

using testing_support::ProgramTest;

ui::Image Asset(const ui::assets::Asset& asset) {
  return testing_support::DecodeBitmapFile(testing_support::ReadFileBytes(
      std::string(KV_SOURCE_DIR "/src/ui/assets/") + std::string(asset.file)));
}

class MainLayout : public ProgramTest {
 protected:
  void SetUp() override { ASSERT_TRUE(StartProgram()); }
};

TEST_F(MainLayout, TheSkinIsTheWindowsBackground) {
  const platform::PicturePtr& skin = Main().form.Picture();
  ASSERT_TRUE(platform::HasImage(skin));
  EXPECT_EQ(skin->WidthPixels(), 600);
  EXPECT_EQ(skin->HeightPixels(), 550);
  EXPECT_EQ(Window().BackgroundBitmap(), skin->Handle());
}

TEST_F(MainLayout, TheWindowTakesTheRoundedShapeOfItsMask) {
  const sim::SimRegion* shape = world_.gdi.WindowRegion(Main().form.hWnd());
  ASSERT_NE(shape, nullptr);
  const ui::Image mask = Asset(ui::assets::kSkinMask);
  // Exactly the mask's black pixels, row by row.
  for (int y = 0; y < mask.height; ++y) {
    for (int x = 0; x < mask.width; ++x) {
      ASSERT_EQ(shape->Contains(x, y), mask.At(x, y) == 0) << x << "," << y;
    }
  }
  EXPECT_EQ(shape->Rows().size(), 528u);
  EXPECT_EQ(Main().picSkinMask->Width(), 600) << "the mask box took its picture's size";
  EXPECT_EQ(Main().picSkinMask->Height(), 550);
  EXPECT_GE(Main().picSkinMask->Top(), 548) << "below the client area, never seen";
}

TEST(WindowShape, ComesFromTheMasksOwnPixelsAndNeverMakesTheWindowInvisible) {
  const ui::Image mask = Asset(ui::assets::kSkinMask);
  struct Case {
    const char* name;
    int displayBitsPerPixel;
    std::function<bool(win::UINT)> refuse;
    bool shaped;
    int unreadFrom, unreadTo;  // rows whose band could not be read
  };
  const Case cases[] = {
      {"a 16-bit display, where a pixel read through a DC is rounded", 16, nullptr, true, 0, 0},
      {"one band of the mask unreadable", 32, [](win::UINT top) { return top == 32; }, true, 32,
       48},
      {"no band readable", 32, [](win::UINT) { return true; }, false, 0, 0},
  };
  for (const Case& c : cases) {
    testing_support::SimWorld world;
    world.gdi.displayBitsPerPixel = c.displayBitsPerPixel;
    world.gdi.refuseGetDIBits = c.refuse;
    frmMain window;
    ASSERT_TRUE(window.Start());
    const sim::SimRegion* shape = world.gdi.WindowRegion(window.form.hWnd());
    if (!c.shaped) {
      EXPECT_EQ(shape, nullptr) << c.name << ": the window stays rectangular";
      continue;
    }
    ASSERT_NE(shape, nullptr) << c.name;
    for (int y = 0; y < mask.height; ++y) {
      const bool unread = y >= c.unreadFrom && y < c.unreadTo;
      for (int x = 0; x < mask.width; ++x) {
        ASSERT_EQ(shape->Contains(x, y), !unread && mask.At(x, y) == 0)
            << c.name << " " << x << "," << y;
      }
    }
  }
}

TEST_F(MainLayout, SkinnedButtonsAreRestoredFromTheirSavedProperties) {
  for (const auto& pictures : ui::assets::kButtonPictures) {
    const controls::ButtonExHost* host = nullptr;
    for (const controls::ButtonExHost* candidate :
         {&Main().btnMin, &Main().btnClose, &Main().btnOK, &Main().btnCancel, &Main().btnApply,
          &Main().btnHomepage}) {
      if (candidate->Name() == pictures.button) host = candidate;
    }
    ASSERT_NE(host, nullptr) << pictures.button;
    const controls::ButtonEx& button = host->Button();
    EXPECT_FALSE(button.AllowDefault()) << pictures.button;
    EXPECT_EQ(button.Appearance(), 0);
    EXPECT_EQ(button.BackColor(), 0u);
    EXPECT_EQ(button.BorderStyle(), 0);
    EXPECT_EQ(button.Caption(), "");
    EXPECT_EQ(button.MousePointer(), 99);
    ASSERT_TRUE(platform::HasImage(button.MouseIcon()));
    EXPECT_EQ(button.MouseIcon()->Kind(), platform::PictureKind::Cursor);
    EXPECT_EQ(button.SkinUp(), nullptr) << "no skins are saved: absent, not empty";
    EXPECT_EQ(button.PictureDisabled(), nullptr);
    ASSERT_TRUE(platform::HasImage(button.Picture()));
    EXPECT_EQ(button.Picture()->WidthPixels(), pictures.width);
    EXPECT_EQ(button.Picture()->HeightPixels(), pictures.height);
    ASSERT_TRUE(platform::HasImage(button.PictureOver()));
    ASSERT_TRUE(platform::HasImage(button.PictureDown()));
    ASSERT_TRUE(platform::HasImage(button.PictureFocus()));
    EXPECT_EQ(button.Font()->Charset, 129);
  }
}

TEST_F(MainLayout, TheSkinnedButtonsAreNamedForAssistiveTechnology) {
  struct Case {
    const controls::ButtonExHost& button;
    const char* name;
  };
  for (const Case& c : {Case{Main().btnOK, "OK"}, Case{Main().btnCancel, "Cancel"},
                        Case{Main().btnApply, "Apply"}, Case{Main().btnMin, "Minimize"},
                        Case{Main().btnClose, "Close"}, Case{Main().btnHomepage, "Home page"}}) {
    sim::SimUserControlSurface* site = world_.desktop.Surface(c.button.hWnd());
    ASSERT_NE(site, nullptr) << c.name;
    EXPECT_EQ(site->WindowText(), c.name);
    EXPECT_EQ(c.button.Button().Caption(), "") << "nothing of the name is drawn: " << c.name;
  }
}

TEST_F(MainLayout, AButtonShowsItsPictureAtItsCorner) {
  // OK's picture is cut a pixel above and left of its button and drawn at the
  // button's corner; inside the button it must be the picture's own pixels.
  const ui::Image picture = Asset(ui::assets::kOK);
  sim::SimUserControlSurface* surface = world_.desktop.Surface(Main().btnOK.hWnd());
  ASSERT_NE(surface, nullptr);
  for (const auto& [x, y] : {std::pair{0, 0}, {10, 5}, {28, 11}, {56, 22}}) {
    EXPECT_EQ(surface->PixelAt(x, y), picture.At(x, y)) << x << "," << y;
  }
}

TEST_F(MainLayout, TheSkinnedButtonsTheWindowHandles) {
  ASSERT_TRUE(ClickButton(Main().btnApply));
  EXPECT_EQ(MessagesShown(), std::vector<std::string>{"Performance well adjusted"});
  ASSERT_TRUE(ClickButton(Main().btnHomepage));
  EXPECT_EQ(world_.shell.launches.size(), 1u);
  ASSERT_TRUE(ClickButton(Main().btnMin));
  EXPECT_TRUE(Window().IsIconic());
}

}  // namespace
