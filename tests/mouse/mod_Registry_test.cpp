// Settings-store cases that need a registry the test may empty at will.
#include "mouse/mod_Registry.h"

#include <gtest/gtest.h>

#include "platform/Services.h"
#include "platform/sim/SimRegistry.h"
#include "support/RegistryTools.h"

namespace {

class ModRegistry : public ::testing::Test {
 protected:
  sim::SimRegistry registry_;
  platform::Install<platform::Registry> use_{registry_};
};

TEST_F(ModRegistry, WritingCreatesTheMouseKeyWhenItIsMissing) {
  ASSERT_FALSE(testing_support::KeyExists(registry_, win::HKEY_CURRENT_USER, "Control Panel"));
  mod_Registry::WriteMouseValue(mod_Registry::DoPopup, "1");
  EXPECT_EQ(mod_Registry::ReadMouseValue(mod_Registry::DoPopup), "1");
  EXPECT_EQ(registry_.OpenKeyCount(), 0);
}

TEST_F(ModRegistry, ReadingWithoutTheKeyGivesEmptyAndOpensNothing) {
  EXPECT_EQ(mod_Registry::ReadMouseValue(mod_Registry::ScrollLine), "");
  EXPECT_EQ(registry_.OpenKeyCount(), 0);
}

TEST_F(ModRegistry, ANonStringValueReadsAsItsBytesUpToTheFirstNul) {
  ASSERT_TRUE(testing_support::SetRaw(registry_, win::HKEY_CURRENT_USER, mod_Registry::kMouseKey,
                                      "ScrollLine", win::REG_BINARY,
                                      std::string("12\0"
                                                  "3",
                                                  4)));
  EXPECT_EQ(mod_Registry::ReadMouseValue(mod_Registry::ScrollLine), "12");
}

TEST_F(ModRegistry, AValueTooLongForTheBufferReadsEmptyWhateverTheBufferHolds) {
  registry_.scribbleOnMoreData = true;
  mod_Registry::WriteMouseValue(mod_Registry::WheelButton, std::string(300, 'x'));
  EXPECT_EQ(mod_Registry::ReadMouseValue(mod_Registry::WheelButton), "");
  EXPECT_EQ(registry_.OpenKeyCount(), 0);
}

}  // namespace
