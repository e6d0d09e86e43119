// A button on a real site redraws a thousand times without a GDI object more.
#include <gtest/gtest.h>

#include "conformance/DrawingTest.h"
#include "controls/ButtonEx.h"
#include "support/DrawingTools.h"

namespace conformance {
namespace {

using testing_support::PictureFromRows;

class ButtonExLeakContract : public DrawingTest {
 protected:
  std::unique_ptr<controls::ButtonEx> MakeButton() {
    auto button = std::make_unique<controls::ButtonEx>(
        Platform().UserControls().Create(Platform().Window(), 10, 10, 80, 24));
    button->InitProperties();
    return button;
  }

  // A picture on a blue key background, and a skin with blue corners.
  platform::PicturePtr Glyph() {
    return PictureFromRows({"BBBBBB", "BRRRRB", "BRGGRB", "BRRRRB", "BBBBBB"},
                           {{'B', 0xFF0000}, {'R', 0x0000FF}, {'G', 0x00FF00}});
  }
  platform::PicturePtr Skin() {
    return PictureFromRows({"BWWWWWWB", "WWWWWWWW", "WWWWWWWW", "BWWWWWWB"},
                           {{'B', 0xFF0000}, {'W', 0xC0C0C0}});
  }
};

TEST_F(ButtonExLeakContract, AThousandRedrawsOfEveryFaceLeaveNoGdiObject) {
  auto button = MakeButton();
  button->SetPicture(Glyph());
  button->SetPictureDown(Glyph());
  button->SetHighlightPicture(true);
  button->SetCaption("&Apply");
  // One pass of every face first, so that caches the platform keeps are filled.
  for (std::int32_t state = 0; state <= 5; ++state) button->SetValue(state);
  const long before = Platform().GdiObjects();
  for (int redraw = 0; redraw < 1000; ++redraw) button->SetValue(redraw % 6);
  EXPECT_EQ(Platform().GdiObjects(), before);
  // The redraws did paint: the glyph's green middle, centred vertically at x 0.
  button->SetValue(1);
  EXPECT_EQ(Platform().Gdi().GetPixel(button->hdc(), 2, 12 - 5 / 2 + 2), 0x00FF00u);
}

TEST_F(ButtonExLeakContract, AThousandSkinnedRedrawsLeaveNoGdiObject) {
  auto button = MakeButton();
  button->SetSkinUp(Skin());
  button->SetSkinOver(Skin());
  button->SetAppearance(2);
  for (std::int32_t state = 0; state <= 5; ++state) button->SetValue(state);
  const long before = Platform().GdiObjects();
  for (int redraw = 0; redraw < 1000; ++redraw) button->SetValue(redraw % 6);
  EXPECT_EQ(Platform().GdiObjects(), before) << "the mask region goes to the window each time";
}

TEST_F(ButtonExLeakContract, ARemovedButtonTakesItsObjectsWithIt) {
  const long before = Platform().GdiObjects();
  {
    auto button = MakeButton();
    button->SetPicture(Glyph());
    button->SetFont(std::make_shared<platform::Font>());
  }
  EXPECT_EQ(Platform().GdiObjects(), before);
}

}  // namespace
}  // namespace conformance
