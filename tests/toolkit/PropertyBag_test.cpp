#include "toolkit/PropertyBag.h"

#include <gmock/gmock.h>

#include "platform/Services.h"
#include "platform/sim/SimScreen.h"

namespace {

using toolkit::PropertyBag;
using toolkit::PropertyError;
using toolkit::PropertyValue;

TEST(PropertyBag, KeysMatchWithoutCaseAndKeepTheirFirstPlace) {
  PropertyBag bag;
  bag.Set("_ExtentX", 397);
  bag.Set("caption", std::string("a"));
  bag.Set("CAPTION", std::string("b"));
  ASSERT_EQ(bag.Entries().size(), 2u);
  EXPECT_EQ(bag.Entries()[1].key, "caption");
  EXPECT_EQ(bag.ReadProperty("Caption", "default"), "b");
  EXPECT_EQ(bag.ReadProperty("Missing", "default"), "default");
}

TEST(PropertyBag, ReadingConvertsToTheTypeAsked) {
  PropertyBag bag;
  bag.Set("flag", -1);
  bag.Set("number", std::string(" 42 "));
  bag.Set("colour", std::string("&H8000000F&"));
  bag.Set("word", std::string("True"));
  bag.Set("yes", true);
  EXPECT_TRUE(bag.ReadProperty("flag", false));
  EXPECT_EQ(bag.ReadProperty("number", std::int32_t{0}), 42);
  EXPECT_EQ(static_cast<std::uint32_t>(bag.ReadProperty("colour", std::int32_t{0})), 0x8000000Fu);
  EXPECT_TRUE(bag.ReadProperty("word", false));
  EXPECT_EQ(bag.ReadProperty("yes", std::int32_t{0}), -1);
  EXPECT_EQ(bag.ReadProperty("yes", ""), "True");
}

TEST(PropertyBag, AValueThatDoesNotConvertFails) {
  PropertyBag bag;
  bag.Set("text", std::string("flat"));
  bag.Set("big", std::string("4294967296"));
  bag.Set("number", 3);
  EXPECT_THROW(bag.ReadProperty("text", std::int32_t{0}), PropertyError);
  EXPECT_THROW(bag.ReadProperty("big", std::int32_t{0}), PropertyError);
  EXPECT_THROW(bag.ReadProperty("number", platform::PicturePtr()), PropertyError);
  EXPECT_THROW(bag.ReadProperty("text", platform::FontPtr()), PropertyError);
}

TEST(PropertyBag, AKeyIsWrittenOnlyWhenItDiffersFromItsDefault) {
  sim::SimScreen screen;
  platform::Install<platform::Screen> useScreen(screen);
  const platform::PicturePtr absent;
  const auto empty = platform::Picture::Empty();
  const auto image =
      std::make_shared<platform::Picture>(platform::PictureKind::Bitmap, 5, 1, 1, false);
  auto font = std::make_shared<platform::Font>();
  PropertyBag bag;
  bag.WriteProperty("Same", 0, 0);
  bag.WriteProperty("EmptyPicture", empty, absent);
  bag.WriteProperty("EqualFont", font, std::make_shared<platform::Font>());
  bag.WriteProperty("Picture", image, absent);
  bag.WriteProperty("Other", true, false);
  bag.WriteProperty("OtherType", std::string("1"), 1);
  std::vector<std::string> keys;
  for (const auto& entry : bag.Entries()) keys.push_back(entry.key);
  EXPECT_THAT(keys, testing::ElementsAre("Picture", "Other", "OtherType"));
}

}  // namespace
