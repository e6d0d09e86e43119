// The main window laid out for the screen's density: its size, every
// control's place, the skin and the button faces drawn for that density and
// meeting each other, and the shape cut from that density's mask. Densities
// without a set of their own (110 % and 300 %) must still hold together.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>

#include "platform/Gdi.h"
#include "shell/frmMain.h"
#include "support/sim/SimWorld.h"
#include "toolkit/Pictures.h"
#include "ui/Assets.h"

namespace {

namespace ua = ui::assets;

int Luminance(win::COLORREF c) {
  return static_cast<int>((299 * (c & 0xFF) + 587 * ((c >> 8) & 0xFF) + 114 * ((c >> 16) & 0xFF)) /
                          1000);
}

struct Placed {
  const char* name;
  ua::TwipsRect twips;
};

class Density : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    world_.screen.SetDpi(GetParam());
    world_.windowing.screenWidth = 3840;
    world_.windowing.screenHeight = 2160;
    window_ = std::make_unique<frmMain>();
    ASSERT_TRUE(window_->Start());
  }
  int dpi() const { return GetParam(); }
  // Whether the program has pictures drawn for this density.
  bool Drawn() const {
    return std::find(ua::kDpis.begin(), ua::kDpis.end(), dpi()) != ua::kDpis.end();
  }
  int Px(int twips) const { return ua::TwipsAt(twips, dpi()); }
  platform::PixelRect At(const ua::TwipsRect& r) const {
    return {Px(r.left), Px(r.top), Px(r.width), Px(r.height)};
  }
  frmMain& Main() { return *window_; }
  platform::PixelRect RectOf(win::HWND handle) {
    if (auto* combo = world_.windowing.Combo(handle)) return combo->WindowRect();
    if (auto* bar = world_.windowing.Scroll(handle)) return bar->WindowRect();
    if (auto* box = world_.windowing.CheckBox(handle)) return box->WindowRect();
    if (auto* surface = world_.desktop.Surface(handle)) {
      return {surface->Left(), surface->Top(), surface->ScaleWidth(), surface->ScaleHeight()};
    }
    return {};
  }
  // The skin the window shows, as its pixels, and its width.
  std::vector<win::COLORREF> Skin(int& width) {
    const platform::PicturePtr& skin = Main().form.Picture();
    width = skin->WidthPixels();
    return world_.gdi.Pixels(skin->Handle());
  }

  testing_support::SimWorld world_;
  std::unique_ptr<frmMain> window_;
};

TEST_P(Density, TheWindowIsItsTwipsAtThisDensityCentredOnTheScreen) {
  const platform::PixelRect window = world_.windowing.Form(Main().form.hWnd())->WindowRect();
  EXPECT_EQ(window.width, Px(9000));
  EXPECT_EQ(window.height, Px(8220));
  EXPECT_EQ(window.left, (3840 - window.width) / 2);
  EXPECT_EQ(window.top, (2160 - window.height) / 2);
  const platform::PicturePtr& skin = Main().form.Picture();
  ASSERT_TRUE(platform::HasImage(skin));
  EXPECT_EQ(skin->WidthPixels(), ua::SkinWidthAt(dpi())) << "the skin reaches the right edge";
  EXPECT_EQ(skin->HeightPixels(), ua::SkinHeightAt(dpi()));
  EXPECT_GE(skin->HeightPixels(), window.height);
}

TEST_P(Density, EveryControlSitsAtItsTwipsAtThisDensity) {
  const std::vector<std::pair<win::HWND, ua::TwipsRect>> controls = {
      {Main().chkAccelator.hWnd(), {5925, 5550, 195, 195}},
      {Main().cmbXButton2.hWnd(), {2400, 3360, 1575, 300}},
      {Main().cmbXButton1.hWnd(), {2400, 2940, 1575, 300}},
      {Main().cmbWButton.hWnd(), {2400, 2520, 1575, 300}},
      {Main().cmbRButton.hWnd(), {2400, 2100, 1575, 300}},
      {Main().cmbLButton.hWnd(), {2400, 1680, 1575, 300}},
      {Main().btnMin.hWnd(), {8160, 330, 225, 225}},
      {Main().scrWheelScroll.hWnd(), {4815, 6825, 3690, 210}},
      {Main().scrClickSpeed.hWnd(), {570, 6810, 3690, 210}},
      {Main().scrSpeed.hWnd(), {555, 5820, 7965, 210}},
      {Main().btnOK.hWnd(), {5640, 7590, 855, 345}},
      {Main().btnClose.hWnd(), {8450, 330, 225, 225}},
      {Main().btnCancel.hWnd(), {6630, 7590, 855, 345}},
      {Main().btnApply.hWnd(), {7620, 7590, 855, 345}},
      {Main().btnHomepage.hWnd(), {600, 340, 1605, 465}},
  };
  for (const auto& [handle, twips] : controls) {
    EXPECT_EQ(RectOf(handle), At(twips)) << "twips " << twips.left << ", " << twips.top;
  }
  EXPECT_GE(Main().picSkinMask->Top(), Px(8220)) << "the mask's box stays below the client area";
}

// Each skinned button shows, inside itself, exactly the skin around it; and
// every combo box and scroll bar lies on one colour, its painted slot.
TEST_P(Density, ButtonFacesAreTheirSkinAndControlsLieOnTheirSlots) {
  int width = 0;
  const std::vector<win::COLORREF> skin = Skin(width);
  const auto skinAt = [&](int x, int y) {
    return skin[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                static_cast<std::size_t>(x)];
  };
  for (const ua::ButtonPictures& b : ua::kButtonPictures) {
    const ua::PixelRect area = ua::SkinArea(b, dpi());
    const platform::PixelRect button = At(b.control);
    const controls::ButtonExHost* host = nullptr;
    for (const controls::ButtonExHost* candidate :
         {&Main().btnMin, &Main().btnClose, &Main().btnOK, &Main().btnCancel, &Main().btnApply,
          &Main().btnHomepage}) {
      if (candidate->Name() == b.button) host = candidate;
    }
    ASSERT_NE(host, nullptr);
    sim::SimUserControlSurface* surface = world_.desktop.Surface(host->hWnd());
    ASSERT_NE(surface, nullptr);
    const platform::PicturePtr& picture = host->Button().Picture();
    ASSERT_TRUE(platform::HasImage(picture)) << b.button;
    EXPECT_EQ(picture->WidthPixels(), area.width) << b.button;
    EXPECT_EQ(picture->HeightPixels(), area.height) << b.button;
    for (int y = 0; y < button.height; ++y) {
      for (int x = 0; x < button.width; ++x) {
        ASSERT_EQ(surface->PixelAt(x, y), skinAt(area.x + x, area.y + y))
            << b.button << " at (" << x << ", " << y << ")";
      }
    }
  }
  for (const toolkit::Control* control : std::initializer_list<const toolkit::Control*>{
           &Main().cmbLButton, &Main().cmbRButton, &Main().cmbWButton, &Main().cmbXButton1,
           &Main().cmbXButton2, &Main().scrSpeed, &Main().scrClickSpeed, &Main().scrWheelScroll}) {
    const platform::PixelRect r = RectOf(control->hWnd());
    const win::COLORREF slot = skinAt(r.left + r.width / 2, r.top + r.height / 2);
    EXPECT_LT(Luminance(slot), 20) << "a dark slot under " << control->Name();
    for (int y = r.top; y < r.top + r.height; ++y) {
      for (int x = r.left; x < r.left + r.width; ++x) {
        // A scaled set blurs the slot's rounded corners a little: closer to
        // the floor than to the panel around it (twice as bright) will do.
        if (Drawn()) {
          ASSERT_EQ(skinAt(x, y), slot) << control->Name() << " at " << x << ", " << y;
        } else {
          ASSERT_NEAR(Luminance(skinAt(x, y)), Luminance(slot), 8)
              << control->Name() << " at " << x << ", " << y;
        }
      }
    }
  }
}

// The shape is the mask's own pixels at this density: every pixel not of
// the top-left colour, and nothing else; the corners are cut and the body
// fills the scaled rounded rectangle.
TEST_P(Density, TheShapeIsThisDensitysMaskPixelForPixel) {
  const sim::SimRegion* shape = world_.gdi.WindowRegion(Main().form.hWnd());
  ASSERT_NE(shape, nullptr);
  const platform::PicturePtr mask = toolkit::LoadLayoutPicture("res:SKINMASK");
  ASSERT_TRUE(platform::HasImage(mask));
  const std::vector<win::COLORREF> pixels = world_.gdi.Pixels(mask->Handle());
  const int width = mask->WidthPixels(), height = mask->HeightPixels();
  EXPECT_EQ(width, ua::SkinWidthAt(dpi()));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const bool opaque = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                 static_cast<std::size_t>(x)] != pixels[0];
      ASSERT_EQ(shape->Contains(x, y), opaque) << x << ", " << y;
    }
  }
  // The body's bounds as the shape has them: the scaled rectangle, to the
  // pixel where a set was drawn for the density, within one where scaled.
  const int top = shape->Rows().begin()->first, bottom = shape->Rows().rbegin()->first;
  int left = width, right = 0;
  for (const auto& [y, runs] : shape->Rows()) {
    left = std::min(left, runs.front().first);
    right = std::max(right, runs.back().second - 1);
  }
  const int slack = Drawn() ? 0 : 1;
  EXPECT_NEAR(top, ua::PixelsAt(12, dpi()), slack);
  EXPECT_NEAR(left, ua::PixelsAt(12, dpi()), slack);
  EXPECT_NEAR(bottom, ua::PixelsAt(540, dpi()) - 1, slack);
  EXPECT_NEAR(right, ua::PixelsAt(590, dpi()) - 1, slack);
  for (const auto& [x, y] : {std::pair{left, top}, {right, top}, {left, bottom}, {right, bottom}}) {
    EXPECT_FALSE(shape->Contains(x, y)) << "corner " << x << ", " << y << " is cut";
  }
  EXPECT_TRUE(shape->Contains(left, (top + bottom) / 2));
  EXPECT_TRUE(shape->Contains(right, (top + bottom) / 2));
  EXPECT_TRUE(shape->Contains((left + right) / 2, top));
  EXPECT_TRUE(shape->Contains((left + right) / 2, bottom));
  EXPECT_FALSE(shape->Contains(right + 1, (top + bottom) / 2));
  EXPECT_EQ(static_cast<int>(shape->Rows().size()), bottom - top + 1) << "one run a row";
}

// What a density change must leave as a fresh start at the new density
// would: the window's rectangle, every control's, the background and the
// buttons' pictures, and the shape.
struct Snapshot {
  platform::PixelRect window;
  std::vector<platform::PixelRect> controls;
  int skinWidth = 0;
  std::vector<int> pictureWidths;
  std::map<int, sim::SimRegion::Runs> shape;
};

Snapshot Take(testing_support::SimWorld& world, frmMain& main) {
  Snapshot s;
  s.window = world.windowing.Form(main.form.hWnd())->WindowRect();
  s.controls = {world.windowing.Combo(main.cmbLButton.hWnd())->WindowRect(),
                world.windowing.Combo(main.cmbXButton2.hWnd())->WindowRect(),
                world.windowing.Scroll(main.scrSpeed.hWnd())->WindowRect(),
                world.windowing.Scroll(main.scrWheelScroll.hWnd())->WindowRect(),
                world.windowing.CheckBox(main.chkAccelator.hWnd())->WindowRect()};
  for (const controls::ButtonExHost* b : {&main.btnMin, &main.btnClose, &main.btnOK,
                                          &main.btnCancel, &main.btnApply, &main.btnHomepage}) {
    const sim::SimUserControlSurface* surface = world.desktop.Surface(b->hWnd());
    s.controls.push_back(
        {surface->Left(), surface->Top(), surface->ScaleWidth(), surface->ScaleHeight()});
    for (const platform::PicturePtr& p : {b->Button().Picture(), b->Button().PictureOver(),
                                          b->Button().PictureDown(), b->Button().PictureFocus()}) {
      s.pictureWidths.push_back(platform::HasImage(p) ? p->WidthPixels() : -1);
    }
  }
  s.skinWidth = main.form.Picture()->WidthPixels();
  if (const sim::SimRegion* shape = world.gdi.WindowRegion(main.form.hWnd())) {
    s.shape = shape->Rows();
  }
  return s;
}

void ExpectSame(const Snapshot& actual, const Snapshot& expected) {
  EXPECT_EQ(actual.window, expected.window);
  EXPECT_EQ(actual.controls, expected.controls);
  EXPECT_EQ(actual.skinWidth, expected.skinWidth);
  EXPECT_EQ(actual.pictureWidths, expected.pictureWidths);
  EXPECT_TRUE(actual.shape == expected.shape) << "the window's shape";
}

Snapshot FreshStart(int dpi) {
  testing_support::SimWorld world;
  world.screen.SetDpi(dpi);
  frmMain main;
  EXPECT_TRUE(main.Start());
  return Take(world, main);
}

// The window's icons, the tray's and the hand over the scroll bars and the
// buttons are loaded at the sizes this density asks for: Windows' 32 and 16
// pixel icons scaled, so 40 and 20 at 120 dpi, 64 and 32 at 192; the hand in
// the cursor's sizes, 48 from 150 %, 64 from 200 %.
TEST_P(Density, IconsAndTheHandAreLoadedAtTheSizesThisDensityAsksFor) {
  const int large = (32 * dpi() + 48) / 96, small = (16 * dpi() + 48) / 96;
  const int cursor = dpi() >= 192 ? 64 : dpi() >= 144 ? 48 : 32;
  const auto expectLoad = [&](win::HICON handle, const char* resource, int size) {
    const sim::SimWindowing::ImageLoad* load = world_.windowing.LoadOf(handle);
    ASSERT_NE(load, nullptr) << resource;
    EXPECT_EQ(load->resource, resource);
    EXPECT_EQ(load->width, size) << resource;
    EXPECT_EQ(load->height, size) << resource;
  };
  sim::SimFormWindow& window = *world_.windowing.Form(Main().form.hWnd());
  expectLoad(window.Icon(), "APPICON", large);
  expectLoad(window.SmallIcon(), "APPICON", small);
  expectLoad(world_.windowing.Scroll(Main().scrSpeed.hWnd())->Cursor(), "HAND", cursor);
  const platform::PicturePtr hand = Main().btnOK.Button().MouseIcon();
  ASSERT_TRUE(platform::HasImage(hand));
  expectLoad(hand->Handle(), "HAND", cursor);
  EXPECT_EQ(hand->WidthPixels(), cursor);

  world_.desktop.Surface(Main().btnClose.hWnd())->Click();
  ASSERT_FALSE(world_.shell.notifyCalls.empty());
  expectLoad(world_.shell.notifyCalls.back().data.hIcon, "APPICON", small);
}

// The window dragged to a 144-dpi monitor and back: each time it is what a
// start at that density makes, where the system put it, and the pictures and
// regions of the density it left are all freed.
TEST(DensityChange, LaysTheWindowOutAgainAndLeavesNoGdiObjectBehind) {
  const Snapshot at96 = FreshStart(96);
  for (int other : {120, 144, 192}) {
    SCOPED_TRACE(other);
    Snapshot expected = FreshStart(other);
    testing_support::SimWorld world;
    frmMain main;
    ASSERT_TRUE(main.Start());
    sim::SimFormWindow& window = *world.windowing.Form(main.form.hWnd());
    const int objects = world.gdi.LiveObjects(), bitmaps = world.gdi.LiveBitmaps();
    const int dcs = world.gdi.LiveDCs(), icons = world.gdi.LiveIcons();
    const auto change = [&](int dpi, int left, int top) {
      win::RECT suggested{left, top, left + ui::assets::TwipsAt(9000, dpi),
                          top + ui::assets::TwipsAt(8220, dpi)};
      const win::WPARAM both =
          static_cast<win::WPARAM>(dpi) | (static_cast<win::WPARAM>(dpi) << 16);
      EXPECT_EQ(window.Send(win::WM_DPICHANGED, both, reinterpret_cast<win::LPARAM>(&suggested)),
                std::optional<win::LRESULT>(0));
    };
    change(other, 1500, 40);
    expected.window.left = 1500;
    expected.window.top = 40;
    ExpectSame(Take(world, main), expected);
    EXPECT_EQ(world.screen.DpiX(), other);
    const sim::SimWindowing::ImageLoad* icon = world.windowing.LoadOf(window.Icon());
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->width, (32 * other + 48) / 96) << "the window's icon follows the density";
    EXPECT_EQ(world.gdi.LiveIcons(), icons) << "the new icons and hands replace the old";

    change(96, 340, 238);
    ExpectSame(Take(world, main), at96);
    EXPECT_EQ(world.gdi.LiveObjects(), objects);
    EXPECT_EQ(world.gdi.LiveBitmaps(), bitmaps);
    EXPECT_EQ(world.gdi.LiveDCs(), dcs);
    EXPECT_EQ(world.gdi.LiveIcons(), icons);
  }
}

// In the tray across a density change: the icon the shell was given lives
// while the shell may show it, beside the window's new ones, and goes when the
// window comes back.
TEST(DensityChange, TheTrayKeepsItsIconUntilTheWindowComesBack) {
  testing_support::SimWorld world;
  frmMain main;
  ASSERT_TRUE(main.Start());
  sim::SimFormWindow& window = *world.windowing.Form(main.form.hWnd());
  const int icons = world.gdi.LiveIcons();
  world.desktop.Surface(main.btnClose.hWnd())->Click();
  const win::HICON shown = world.shell.notifyCalls.back().data.hIcon;
  win::RECT suggested{0, 0, ui::assets::TwipsAt(9000, 144), ui::assets::TwipsAt(8220, 144)};
  (void)window.Send(win::WM_DPICHANGED, 144 | (144 << 16),
                    reinterpret_cast<win::LPARAM>(&suggested));
  EXPECT_NE(window.SmallIcon(), shown);
  EXPECT_TRUE(world.gdi.LiveIcon(shown)) << "still the shell's";
  (void)window.Send(win::WM_MOUSEMOVE, 1, 513);  // a left click on the icon
  EXPECT_FALSE(world.gdi.LiveIcon(shown));
  EXPECT_EQ(world.gdi.LiveIcons(), icons);
}

// Shown on a monitor whose density is not the system's (its scale changed
// since sign-in): the window is laid out for the monitor, as a start there.
TEST(DensityChange, AWindowMadeOnAMonitorOfAnotherDensityIsLaidOutForIt) {
  Snapshot expected = FreshStart(144);
  testing_support::SimWorld world;
  world.windowing.monitorDpi = 144;
  frmMain main;
  ASSERT_TRUE(main.Start());
  EXPECT_EQ(world.screen.DpiX(), 144);
  Snapshot actual = Take(world, main);
  EXPECT_EQ(actual.window.width, expected.window.width);
  EXPECT_EQ(actual.window.height, expected.window.height);
  EXPECT_NEAR(actual.window.left, expected.window.left, 1) << "about the same centre";
  EXPECT_NEAR(actual.window.top, expected.window.top, 1);
  actual.window = expected.window;
  ExpectSame(actual, expected);
}

// A set whose skin, mask or a button's picture does not load falls back to
// the next set that does: never an unshaped window or a missing face.
TEST(DensityFallback, APictureThatDoesNotLoadComesFromAnotherSet) {
  for (const ua::Asset& broken : {ua::kSkin, ua::kSkinMask, ua::kOK, ua::kOKDown}) {
    SCOPED_TRACE(broken.file);
    const Snapshot expected = FreshStart(144);
    testing_support::SimWorld world;
    world.screen.SetDpi(144);
    world.resources.Add(ua::ResourceAt(broken, 144), win::RT_BITMAP, "not a picture");
    frmMain main;
    ASSERT_TRUE(main.Start());
    Snapshot actual = Take(world, main);
    if (broken.file == ua::kSkinMask.file) {
      // The next set's mask, scaled: the same body to within a pixel.
      EXPECT_NEAR(static_cast<double>(actual.shape.size()),
                  static_cast<double>(expected.shape.size()), 2.0);
      for (const auto& [y, runs] : actual.shape) EXPECT_EQ(runs.size(), 1u) << "row " << y;
      actual.shape = expected.shape;
    }
    ExpectSame(actual, expected);
  }
}

// 106 and 288 dpi (110 % and 300 %) have no set: the nearest larger set, or
// the largest, is scaled to them.
INSTANTIATE_TEST_SUITE_P(Densities, Density, ::testing::Values(96, 106, 120, 144, 168, 192, 288),
                         [](const ::testing::TestParamInfo<int>& density) {
                           return std::to_string(density.param) + "dpi";
                         });

}  // namespace
