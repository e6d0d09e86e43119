// What setting each kind of property does to the face, the site and the container.
#include <gmock/gmock.h>

#include <stdexcept>

#include "controls/ButtonExFixture.h"

namespace controls_test {
namespace {

using controls::ButtonEx;
using testing::ElementsAre;
using testing::IsEmpty;

class ButtonExProperties : public ButtonExTest {
 protected:
  void SetUp() override {
    Create();
    button_->PropertyChanged = [this](const std::string& key) { notified_.push_back(key); };
  }
  std::vector<std::string> notified_;
};

TEST_F(ButtonExProperties, ANewInstanceIsSizedAndDrawnNormal) {
  EXPECT_EQ(site_->ScaleWidth(), 80);
  EXPECT_EQ(site_->ScaleHeight(), 24);
  EXPECT_DOUBLE_EQ(site_->Width(), 1200);
  EXPECT_EQ(button_->CurrentState(), ButtonEx::StateUp);
  EXPECT_EQ(button_->Caption(), "ButtonEx1");
  EXPECT_EQ(button_->TransparentColor(), kBlue);
  // Each picture is a picture object of its own, empty, not absent.
  ASSERT_TRUE(button_->PictureDown() && button_->SkinOver());
  EXPECT_TRUE(button_->PictureDown()->IsEmpty());
  EXPECT_NE(button_->PictureDown(), button_->SkinOver());
  EXPECT_EQ(button_->Font(), site_->AmbientFont()) << "the ambient font object itself";
}

TEST_F(ButtonExProperties, EnablingRedrawsNormalWhateverTheState) {
  button_->SetValue(0);
  ASSERT_EQ(button_->CurrentState(), ButtonEx::StateDown);
  gdi_.ClearRecords();
  button_->SetEnabled(true);
  EXPECT_EQ(button_->CurrentState(), ButtonEx::StateUp);
  ASSERT_EQ(Edges().size(), 1u);
  EXPECT_EQ(Edges()[0].edge, win::EDGE_RAISED);
  EXPECT_TRUE(site_->Enabled());
}

TEST_F(ButtonExProperties, DisablingRedrawsTheCurrentStateWithTheDisabledCaption) {
  button_->SetValue(0);
  button_->SetEnabled(false);
  EXPECT_EQ(button_->CurrentState(), ButtonEx::StateDown);
  EXPECT_EQ(LastCaption().flags, win::DST_PREFIXTEXT | win::DSS_DISABLED);
  EXPECT_FALSE(site_->Enabled());
}

TEST_F(ButtonExProperties, HighlightPictureDrawsStateThreeEitherWay) {
  for (bool value : {true, false}) {
    button_->SetValue(2);
    gdi_.ClearRecords();
    button_->SetHighlightPicture(value);
    EXPECT_EQ(button_->CurrentState(), ButtonEx::StateDisabled) << value;
    EXPECT_THAT(Edges(), IsEmpty()) << "state 3 has no edge";
  }
}

TEST_F(ButtonExProperties, ValueDrawsTheStateItNames) {
  button_->SetPicture(Glyph(kRed));
  button_->SetPictureOver(Glyph(kYellow));
  button_->SetPictureDown(Glyph(kYellow));
  const int ringY = 12 - 5 / 2 + 1;  // the glyph's ring row, centred vertically
  const struct {
    std::int32_t value;
    std::size_t edges;
    win::UINT edge;
    win::COLORREF ring;
  } cases[] = {
      {2, 1, win::EDGE_RAISED, kYellow},  // hot
      {5, 0, 0, kRed},                    // no such state: state 1's picture, no edge
      {0, 1, win::EDGE_SUNKEN, kYellow},  // pressed
  };
  for (const auto& c : cases) {
    gdi_.ClearRecords();
    button_->SetValue(c.value);
    EXPECT_EQ(button_->CurrentState(), c.value);
    ASSERT_EQ(Edges().size(), c.edges) << c.value;
    if (c.edges > 0) {
      EXPECT_EQ(Edges()[0].edge, c.edge);
    }
    EXPECT_EQ(site_->PixelAt(1, ringY), c.ring) << c.value;
  }
}

TEST_F(ButtonExProperties, ValueZeroDrawsNothingAfterThePointerLeft) {
  PointerAt(5, 5);
  site_->MouseMove(0, 0, 5, 5);
  PointerAt(200, 5);
  Tick();
  ASSERT_EQ(button_->LastHoverEvent(), "MouseExit");
  button_->SetValue(2);
  gdi_.ClearRecords();
  button_->SetValue(0);
  EXPECT_EQ(button_->CurrentState(), ButtonEx::StateOver);
  EXPECT_THAT(gdi_.Texts(), IsEmpty()) << "no face drawn at all";
  EXPECT_EQ(button_->Value(), 0);
}

TEST_F(ButtonExProperties, StatePictureSettersDoNotRedraw) {
  const auto drawn = [this] { return gdi_.Texts().size(); };
  button_->SetPictureDown(Glyph());
  button_->SetPictureOver(Glyph());
  button_->SetPictureFocus(Glyph());
  button_->SetPictureDisabled(Glyph());
  button_->SetOLEDropMode(1);
  button_->SetToolTipText("tip");
  button_->SetWhatsThisHelpID(7);
  button_->SetMouseIcon(Glyph());
  button_->SetMousePointer(99);
  EXPECT_EQ(drawn(), 0u);
  button_->SetPicture(Glyph());
  EXPECT_EQ(drawn(), 1u);
  EXPECT_EQ(site_->OLEDropMode(), 0) << "OLEDropMode is kept, not applied";
  EXPECT_FALSE(site_->AcceptsDrops());
  EXPECT_EQ(site_->MousePointer(), 99);
  EXPECT_EQ(site_->MouseIcon(), button_->MouseIcon());
}

TEST_F(ButtonExProperties, EverySetterNotifiesUnderItsBagKey) {
  button_->SetStyle(1);
  button_->SetCaption("x");
  button_->SetPictureOver(nullptr);
  button_->SetTransparentColor(kRed);
  EXPECT_THAT(notified_, ElementsAre("Style", "Caption", "PictureOver", "TransparentColor"));
  EXPECT_EQ(site_->MaskColor(), kRed);
}

TEST_F(ButtonExProperties, AnOverflowingMousePointerIsStoredButNotAppliedOrNotified) {
  button_->SetMousePointer(99);
  notified_.clear();
  EXPECT_THROW(button_->SetMousePointer(40000), std::overflow_error);
  EXPECT_EQ(button_->MousePointer(), 40000);
  EXPECT_EQ(site_->MousePointer(), 99);
  EXPECT_THAT(notified_, IsEmpty());
}

TEST_F(ButtonExProperties, BackColorClearsTheSite) {
  button_->SetBackColor(kGreen);
  EXPECT_EQ(site_->PixelAt(40, 2), kGreen);
  EXPECT_EQ(site_->BackColor(), kGreen);
}

TEST_F(ButtonExProperties, TheFontIsTheObjectItselfAndReachesTheSite) {
  auto font = std::make_shared<platform::Font>();
  font->Name = "Courier";
  button_->SetFont(font);
  EXPECT_EQ(button_->Font(), font);
  EXPECT_EQ(site_->Font(), font);
  EXPECT_EQ(LastCaption().face, "Courier");
}

TEST_F(ButtonExProperties, TheFirstSingleAmpersandNamesTheAccessKey) {
  const struct {
    const char* caption;
    const char* keys;
  } cases[] = {
      {"&Open", "O"},  {"A&&B", "O"},  // only a doubled ampersand: the keys stay as they were
      {"A&&B&C", "C"}, {"Plain", "C"}, {"End&", ""}, {"&&&x", "x"},
  };
  for (const auto& c : cases) {
    button_->SetCaption(c.caption);
    EXPECT_EQ(site_->AccessKeys(), c.keys) << c.caption;
  }
}

TEST_F(ButtonExProperties, TheAccessKeyClicksTheButton) {
  int clicks = 0;
  button_->Click = [&clicks] { ++clicks; };
  button_->SetCaption("&Apply");
  EXPECT_FALSE(site_->PressAccessKey('x'));
  EXPECT_TRUE(site_->PressAccessKey('a'));
  EXPECT_EQ(clicks, 1);
}

TEST_F(ButtonExProperties, DrawHighlightDrawsAFocusRectangleRoundTheControlInBlack) {
  button_->SetForeColor(kRed);
  button_->DrawHighlight();
  ASSERT_EQ(gdi_.FocusRects().size(), 1u);
  const auto& call = gdi_.FocusRects()[0];
  EXPECT_EQ(call.rect.right, 80);
  EXPECT_EQ(call.rect.bottom, 24);
  EXPECT_EQ(call.textColor, 0u);
  EXPECT_EQ(site_->ForeColor(), kRed) << "restored";
  EXPECT_EQ(site_->Refreshes(), 1);
  gdi_.ClearRecords();
  button_->ClearHighlight();
  EXPECT_THAT(gdi_.FocusRects(), IsEmpty());
  EXPECT_EQ(gdi_.Texts().size(), 1u) << "the face redrawn";
}

}  // namespace
}  // namespace controls_test
