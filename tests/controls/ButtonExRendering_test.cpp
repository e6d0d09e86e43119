// The faces a button draws: edges, focus cues, skins, pictures and caption.
#include <gmock/gmock.h>

#include "controls/ButtonExFixture.h"

namespace controls_test {
namespace {

using controls::ButtonEx;
using testing::IsEmpty;
using Edge = sim::SimGdi::EdgeCall;

// Edges as (edge, flags, left, top, right, bottom) for readable comparisons.
struct Drawn {
  win::UINT edge, flags;
  int left, top, right, bottom;
  bool operator==(const Drawn&) const = default;
};
std::vector<Drawn> Summary(const std::vector<Edge>& edges) {
  std::vector<Drawn> drawn;
  for (const Edge& e : edges) {
    drawn.push_back({e.edge, e.flags, e.rect.left, e.rect.top, e.rect.right, e.rect.bottom});
  }
  return drawn;
}
void PrintTo(const Drawn& d, std::ostream* out) {
  *out << "{edge " << d.edge << " flags 0x" << std::hex << d.flags << std::dec << " (" << d.left
       << "," << d.top << "," << d.right << "," << d.bottom << ")}";
}

constexpr win::UINT kFrame = win::BDR_RAISEDOUTER | win::BDR_SUNKENOUTER;
constexpr win::UINT kFrameFlags = win::BF_RECT | win::BF_ADJUST | win::BF_MONO;

class ButtonExRendering : public ButtonExTest {
 protected:
  void SetUp() override { Create(); }
  // Draws a state and returns its edges.
  std::vector<Drawn> Face(std::int32_t state) {
    gdi_.ClearRecords();
    button_->SetValue(state);
    return Summary(Edges());
  }
};

TEST_F(ButtonExRendering, EachBorderStyleHasItsRaisedAndSunkenEdges) {
  const struct {
    std::int32_t borderStyle;
    win::UINT raised, sunken;
  } cases[] = {
      {1, win::EDGE_RAISED, win::EDGE_SUNKEN},
      {2, win::EDGE_BUMP, win::EDGE_ETCHED},
      {3, win::BDR_RAISEDINNER, win::BDR_SUNKENOUTER},
      {4, win::BDR_RAISEDINNER, win::BDR_SUNKENOUTER},
      {7, win::EDGE_RAISED, win::EDGE_SUNKEN},
      {-1, win::EDGE_RAISED, win::EDGE_SUNKEN},
  };
  for (const auto& c : cases) {
    button_->SetBorderStyle(c.borderStyle);
    EXPECT_EQ(Face(1), (std::vector<Drawn>{{c.raised, win::BF_RECT, 0, 0, 80, 24}}))
        << c.borderStyle;
    EXPECT_EQ(Face(0), (std::vector<Drawn>{{c.sunken, win::BF_RECT, 0, 0, 80, 24}}))
        << c.borderStyle;
  }
}

TEST_F(ButtonExRendering, AFlatButtonWithoutBorderShowsAnEdgeOnlyWhenHot) {
  button_->SetAppearance(0);
  button_->SetBorderStyle(0);
  EXPECT_THAT(Face(1), IsEmpty());
  EXPECT_THAT(Face(0), IsEmpty());
  EXPECT_EQ(Face(2), (std::vector<Drawn>{{win::EDGE_RAISED, win::BF_RECT, 0, 0, 80, 24}}));
}

TEST_F(ButtonExRendering, AFocusedDefaultButtonHasFrameEdgeAndFocusRectangle) {
  button_->SetPicture(nullptr);  // absent: no pressed shift of the caption
  site_->GotFocus();
  EXPECT_EQ(Face(1), (std::vector<Drawn>{{kFrame, kFrameFlags, 0, 0, 80, 24},
                                         {win::EDGE_RAISED, win::BF_RECT, 1, 1, 79, 23}}));
  const int normalX = LastCaption().x, normalY = LastCaption().y;
  ASSERT_EQ(gdi_.FocusRects().size(), 1u);
  const auto focus = gdi_.FocusRects()[0];
  EXPECT_EQ(focus.rect.left, 4);
  EXPECT_EQ(focus.rect.right, 76);
  EXPECT_EQ(focus.rect.bottom, 20);
  EXPECT_EQ(focus.textColor, 0u);

  EXPECT_EQ(Face(0), (std::vector<Drawn>{
                         {kFrame, kFrameFlags, 0, 0, 80, 24},
                         {win::BDR_SUNKENOUTER, win::BF_RECT | win::BF_FLAT, 1, 1, 79, 23}}));
  EXPECT_EQ(gdi_.FocusRects().size(), 1u);
  EXPECT_EQ(LastCaption().x, normalX + 1);
  EXPECT_EQ(LastCaption().y, normalY + 1);
}

TEST_F(ButtonExRendering, AFlatNormalFaceShowsNoFocusCue) {
  site_->GotFocus();
  button_->SetAppearance(0);
  EXPECT_THAT(Face(1), IsEmpty());
  EXPECT_THAT(gdi_.FocusRects(), IsEmpty());
}

TEST_F(ButtonExRendering, ADesignerNeverShowsTheFocusCue) {
  site_->SetAmbientUserMode(false);
  site_->GotFocus();
  EXPECT_EQ(Face(1).size(), 1u);
  EXPECT_THAT(gdi_.FocusRects(), IsEmpty());
}

TEST_F(ButtonExRendering, AFlatBorderFourButtonHasAGreyOutline) {
  button_->SetCaption("");
  button_->SetAppearance(0);
  button_->SetBorderStyle(4);
  const win::COLORREF grey = gdi_.GetSysColor(win::COLOR_GRAYTEXT);
  const win::COLORREF face = gdi_.GetSysColor(win::COLOR_BTNFACE);
  for (auto [x, y] : {std::pair{0, 0}, {79, 0}, {0, 23}, {79, 23}, {40, 0}, {0, 12}, {79, 12}}) {
    EXPECT_EQ(site_->PixelAt(x, y), grey) << x << "," << y;
  }
  EXPECT_EQ(site_->PixelAt(1, 1), face);
  EXPECT_EQ(LastCaption().textColor, grey) << "the caption is grey as well";
  EXPECT_EQ(site_->ForeColor(), 0x80000011u) << "left as the caption set it";
}

TEST_F(ButtonExRendering, TheSkinGivesTheControlItsSizeAndShape) {
  button_->SetSkinUp(Skin(kGreen, 40, 30));
  gdi_.ClearRecords();
  button_->SetAppearance(2);
  EXPECT_EQ(site_->ScaleWidth(), 40);
  EXPECT_EQ(site_->ScaleHeight(), 30);
  EXPECT_EQ(site_->BackStyle(), platform::kBackStyleTransparent);
  EXPECT_EQ(site_->PixelAt(20, 15), kGreen);
  EXPECT_FALSE(site_->IsHit(0, 0)) << "the key-coloured corner is cut out";
  EXPECT_TRUE(site_->IsHit(1, 0));
  EXPECT_THAT(Edges(), IsEmpty());
}

TEST_F(ButtonExRendering, SkinSizesComeFromHundredthsOfAMillimetreOverOnePointSevenSix) {
  // 300 pixels are 7938 hundredths of a millimetre, 4510.2 twips: 300.7 pixels.
  button_->SetSkinUp(Skin(kGreen, 300, 10));
  button_->SetAppearance(2);
  EXPECT_EQ(site_->ScaleWidth(), 301);
  EXPECT_EQ(site_->ScaleHeight(), 10);
}

TEST_F(ButtonExRendering, AHotFaceWithoutSkinOverShowsSkinUpAndAnEmptyOneShowsNoSkin) {
  const auto up = Skin(kGreen, 40, 30);
  button_->SetSkinOver(nullptr);
  button_->SetSkinUp(up);
  button_->SetAppearance(2);
  button_->SetValue(2);
  EXPECT_EQ(site_->Picture(), up);
  button_->SetSkinOver(platform::Picture::Empty());
  button_->SetValue(2);
  EXPECT_TRUE(site_->Picture() && site_->Picture()->IsEmpty());
  EXPECT_FALSE(site_->HasRegion());
  EXPECT_EQ(site_->ScaleWidth(), 40) << "the size stays";
}

TEST_F(ButtonExRendering, ADisabledSkinnedButtonShowsItsDisabledSkinAndPicture) {
  const auto disabledSkin = Skin(kYellow, 40, 30);
  button_->SetSkinUp(Skin(kGreen, 40, 30));
  button_->SetSkinDisabled(disabledSkin);
  button_->SetPicture(Glyph(kRed));
  button_->SetPictureDisabled(Glyph(kYellow));
  button_->SetAppearance(2);
  button_->SetEnabled(false);
  EXPECT_EQ(button_->CurrentState(), ButtonEx::StateDisabled);
  EXPECT_EQ(site_->Picture(), disabledSkin);
  EXPECT_EQ(site_->PixelAt(1, 15 - 2 + 1), kYellow) << "the disabled picture's ring";
  EXPECT_EQ(LastCaption().flags, win::DST_PREFIXTEXT | win::DSS_DISABLED);
}

TEST_F(ButtonExRendering, AFocusedSkinnedButtonShowsSkinFocusButStaysInStateOne) {
  const auto focus = Skin(kYellow, 40, 30);
  button_->SetSkinUp(Skin(kGreen, 40, 30));
  button_->SetSkinFocus(focus);
  button_->SetAppearance(2);
  site_->GotFocus();
  EXPECT_EQ(site_->Picture(), focus);
  EXPECT_EQ(button_->CurrentState(), ButtonEx::StateUp);
}

TEST_F(ButtonExRendering, ADoubledAmpersandIsMeasuredAsOneAndCentred) {
  // The sim's font is 11 pixels high at 8.25 points, every character 5 wide.
  button_->SetCaption("&&");
  EXPECT_EQ(LastCaption().text, "&&");
  EXPECT_EQ(LastCaption().x, 40 - 5 / 2);
  EXPECT_EQ(LastCaption().y, 12 - 11 / 2 - 1 + 1);
  EXPECT_EQ(LastCaption().flags, win::DST_PREFIXTEXT);
}

TEST_F(ButtonExRendering, TheCaptionIsCentredRightOfThePictureAndOffset) {
  button_->SetCaption("OK");  // 10 pixels wide
  button_->SetPicture(Glyph());
  button_->SetPictureDown(Glyph());
  button_->SetPictureOffsetX(4);
  button_->SetCaptionOffsetX(3);
  button_->SetCaptionOffsetY(-2);
  button_->SetRightToLeft(true);
  // The picture ends at 4 + 6 = 10: the caption is centred between 10 and 80.
  EXPECT_EQ(LastCaption().x, (80 + 10) / 2 - 10 / 2 + 3);
  EXPECT_EQ(LastCaption().y, 12 - 11 / 2 - 1 - 2 + 1);
  EXPECT_EQ(LastCaption().flags, win::DST_PREFIXTEXT | win::DSS_RIGHT);
  gdi_.ClearRecords();
  button_->SetValue(0);
  // Pressed: the picture's right edge counts one pixel left, the caption one right.
  EXPECT_EQ(LastCaption().x, (80 + 9) / 2 - 10 / 2 + 3 + 1);
  button_->SetPictureDown(platform::Picture::Empty());
  button_->SetValue(0);
  // An empty pressed picture shows none: centred on the control, one pixel left.
  EXPECT_EQ(LastCaption().x, 80 / 2 - 10 / 2 - 1 + 3 + 1);
}

TEST_F(ButtonExRendering, HotAndPressedCaptionsTakeTheHighlightColour) {
  button_->SetForeColor(kRed);
  button_->SetHighlightColor(kGreen);
  button_->SetValue(1);
  EXPECT_EQ(LastCaption().textColor, kRed);
  button_->SetValue(2);
  EXPECT_EQ(LastCaption().textColor, kGreen);
  button_->SetValue(0);
  EXPECT_EQ(LastCaption().textColor, kGreen);
}

TEST_F(ButtonExRendering, TheTransparentColourShowsTheFaceBeneathThePicture) {
  button_->SetPicture(Glyph());
  const win::COLORREF face = gdi_.GetSysColor(win::COLOR_BTNFACE);
  const int top = 12 - 5 / 2;
  EXPECT_EQ(site_->PixelAt(0, top), face);
  EXPECT_EQ(site_->PixelAt(1, top + 1), kRed);
  EXPECT_EQ(site_->PixelAt(2, top + 2), kGreen);
  EXPECT_EQ(site_->PixelAt(3, 22), face) << "the picture is centred vertically";
}

TEST_F(ButtonExRendering, AHighlightedPictureIsASilhouetteWhenHotOrPressed) {
  for (auto set : {&ButtonEx::SetPicture, &ButtonEx::SetPictureOver, &ButtonEx::SetPictureDown}) {
    (button_.get()->*set)(Glyph());
  }
  button_->SetHighlightColor(kYellow);
  button_->SetHighlightPicture(true);
  const int top = 12 - 5 / 2;
  const win::COLORREF face = gdi_.GetSysColor(win::COLOR_BTNFACE);
  for (std::int32_t state : {2, 0}) {
    button_->SetValue(state);
    EXPECT_EQ(site_->PixelAt(1, top + 1), kYellow) << state;
    EXPECT_EQ(site_->PixelAt(2, top + 2), kYellow) << state;
    EXPECT_EQ(site_->PixelAt(0, top), face) << state;
  }
  button_->SetValue(1);
  EXPECT_EQ(site_->PixelAt(2, top + 2), kGreen) << "the normal face shows the picture";
}

TEST_F(ButtonExRendering, AHighlightedPictureLargerThanTheScratchSurfacesIsPaintedWhole) {
  // The scratch surfaces are designed at 81 x 33 pixels.
  site_->Move(10, 20, 120, 40);
  std::vector<win::COLORREF> pixels(100 * 36, kRed);
  pixels[0] = kBlue;
  button_->SetPictureOver(testing_support::PictureFromColors(100, 36, pixels));
  button_->SetHighlightPicture(true);
  button_->SetHighlightColor(kGreen);
  button_->SetValue(2);
  EXPECT_EQ(site_->PixelAt(90, 36), kGreen);
}

TEST_F(ButtonExRendering, NoDcOrBitmapOutlivesAPaint) {
  button_->SetPicture(Glyph());
  button_->SetHighlightPicture(true);
  button_->SetSkinUp(Skin(kGreen));
  const int dcs = gdi_.LiveDCs(), bitmaps = gdi_.LiveBitmaps(), objects = gdi_.LiveObjects();
  for (std::int32_t appearance : {0, 1, 2}) {
    button_->SetAppearance(appearance);
    for (std::int32_t state : {0, 1, 2, 3, 4}) {
      button_->SetValue(state);
      EXPECT_EQ(gdi_.LiveDCs(), dcs);
      EXPECT_EQ(gdi_.LiveBitmaps(), bitmaps);
      EXPECT_EQ(gdi_.LiveObjects(), objects);
    }
  }
}

}  // namespace
}  // namespace controls_test
