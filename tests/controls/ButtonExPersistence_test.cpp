// Loading from and saving to the container's property bag, against a new instance.
#include <gmock/gmock.h>

#include "controls/ButtonExFixture.h"

namespace controls_test {
namespace {

using controls::ButtonEx;
using testing::ElementsAre;
using testing::IsEmpty;
using toolkit::PropertyBag;

std::vector<std::string> Keys(const PropertyBag& bag) {
  std::vector<std::string> keys;
  for (const auto& entry : bag.Entries()) keys.push_back(entry.key);
  return keys;
}

class ButtonExPersistence : public ButtonExTest {};

TEST_F(ButtonExPersistence, ABagWithoutPictureKeysLeavesThePicturesAbsent) {
  Create(false);
  button_->ReadProperties(PropertyBag());
  EXPECT_EQ(button_->Picture(), nullptr);
  EXPECT_EQ(button_->SkinDown(), nullptr);
  EXPECT_EQ(button_->MouseIcon(), nullptr);
  EXPECT_EQ(button_->Caption(), "ButtonEx1");
  EXPECT_EQ(button_->Font(), site_->AmbientFont());
}

TEST_F(ButtonExPersistence, AnAbsentSkinFallsBackToSkinUpWhereAnEmptyOneShowsNone) {
  const auto up = Skin(kGreen);
  // A new instance: SkinDown is an empty picture, so the pressed face has no skin.
  Create(true);
  button_->SetSkinUp(up);
  button_->SetAppearance(2);
  button_->SetValue(0);
  ASSERT_TRUE(site_->Picture());
  EXPECT_TRUE(site_->Picture()->IsEmpty());
  // A loaded instance whose bag lacks "SkinDown" presses into SkinUp.
  PropertyBag bag;
  bag.Set("SkinUp", up);
  bag.Set("Appearance", 2);
  Create(false);
  button_->ReadProperties(bag);
  button_->SetValue(0);
  EXPECT_EQ(site_->Picture(), up);
  EXPECT_EQ(site_->PixelAt(10, 10), kGreen);
}

TEST_F(ButtonExPersistence, KeysMatchWithoutRegardToCase) {
  // As the main window's layout holds them: lower case, after the size keys.
  PropertyBag bag;
  bag.Set("_extentx", 1508);
  bag.Set("_extenty", 609);
  bag.Set("allowdefault", false);
  bag.Set("appearance", 0);
  bag.Set("backcolor", 0);
  bag.Set("borderstyle", 0);
  bag.Set("caption", std::string());
  auto font = std::make_shared<platform::Font>();
  font->Size = 9;
  font->Charset = 129;
  bag.Set("font", font);
  const auto picture = Glyph();
  bag.Set("picture", picture);
  bag.Set("mousepointer", 99);
  Create(false);
  button_->ReadProperties(bag);
  EXPECT_FALSE(button_->AllowDefault());
  EXPECT_EQ(button_->Appearance(), 0);
  EXPECT_EQ(button_->BackColor(), 0u);
  EXPECT_EQ(button_->BorderStyle(), 0);
  EXPECT_EQ(button_->Caption(), "");
  EXPECT_EQ(button_->Font(), font);
  EXPECT_EQ(button_->Picture(), picture);
  EXPECT_EQ(button_->MousePointer(), 99);
  EXPECT_TRUE(button_->AllowFocus()) << "missing keys take their defaults";
}

TEST_F(ButtonExPersistence, ValueReadNearTheEndDrawsTheSavedState) {
  PropertyBag bag;
  bag.Set("HighlightPicture", true);
  bag.Set("Value", 0);
  Create(false);
  button_->ReadProperties(bag);
  EXPECT_EQ(button_->CurrentState(), ButtonEx::StateDown);
  PropertyBag plain;
  plain.Set("HighlightPicture", true);
  button_->ReadProperties(plain);
  EXPECT_EQ(button_->CurrentState(), ButtonEx::StateUp) << "Value 1 redraws after state 3";
}

TEST_F(ButtonExPersistence, AFailingReadEndsLoadingAndLeavesTheRestAsItWas) {
  PropertyBag bag;
  bag.Set("Appearance", std::string("flat"));
  bag.Set("Caption", std::string("never read"));
  Create(false);
  EXPECT_THROW(button_->ReadProperties(bag), toolkit::PropertyError);
  EXPECT_TRUE(button_->AllowFocus()) << "read before the failure";
  EXPECT_EQ(button_->Caption(), "") << "not read";
}

TEST_F(ButtonExPersistence, ANewInstanceSavesNothing) {
  Create(true);
  PropertyBag bag;
  button_->WriteProperties(bag);
  EXPECT_THAT(bag.Entries(), IsEmpty());
}

TEST_F(ButtonExPersistence, SavingWritesOnlyChangedKeysInTheirOwnOrder) {
  Create(true);
  button_->SetValue(0);
  button_->SetMousePointer(99);
  button_->SetSkinUp(Skin(kGreen));
  button_->SetBackColor(0);
  button_->SetStyle(1);
  button_->SetEnabled(false);
  button_->SetCaption("");
  button_->SetPictureOver(Glyph());
  button_->SetAllowDefault(false);
  PropertyBag bag;
  bag.Set("_ExtentX", 1508);  // the container's own keys come first
  button_->WriteProperties(bag);
  EXPECT_THAT(Keys(bag), ElementsAre("_ExtentX", "AllowDefault", "Enabled", "BackColor", "Caption",
                                     "PictureOver", "MousePointer", "SkinUp", "Style", "Value"));
}

TEST_F(ButtonExPersistence, WhatIsSavedLoadsBackTheSame) {
  Create(true);
  const auto over = Glyph();
  button_->SetPictureOver(over);
  button_->SetCaption("&Go");
  button_->SetCaptionOffsetY(-2);
  button_->SetHighlightColor(0x80000011);
  button_->SetTransparentColor(kRed);
  PropertyBag bag;
  button_->WriteProperties(bag);
  Create(false);
  button_->ReadProperties(bag);
  EXPECT_EQ(button_->PictureOver(), over);
  EXPECT_EQ(button_->Caption(), "&Go");
  EXPECT_EQ(button_->CaptionOffsetY(), -2);
  EXPECT_EQ(button_->HighlightColor(), 0x80000011u);
  EXPECT_EQ(button_->TransparentColor(), kRed);
  EXPECT_EQ(site_->AccessKeys(), "G");
}

}  // namespace
}  // namespace controls_test
