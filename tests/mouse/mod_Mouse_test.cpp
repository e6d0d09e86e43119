// What mod_Mouse hands the system, seen through the calls the sim records.
#include "mouse/mod_Mouse.h"

#include <gtest/gtest.h>

#include "platform/Services.h"
#include "platform/sim/SimMouseParams.h"

namespace {

using sim::MouseParamsCall;

class ModMouse : public ::testing::Test {
 protected:
  sim::SimMouseParams system_;
  platform::Install<platform::MouseParams> use_{system_};

  const MouseParamsCall& OnlyCall() {
    EXPECT_EQ(system_.Calls().size(), 1u);
    return system_.Calls().front();
  }
};

MouseParamsCall Spi(win::UINT action, win::UINT uiParam, std::int64_t pvParam) {
  return {"SystemParametersInfoA", {action, uiParam, pvParam, 0}};
}

TEST_F(ModMouse, SpeedIsClampedToZeroToTwentyAndPassedAsThePointerValue) {
  for (const auto& [given, passed] : {std::pair{25, 20}, {-3, 0}, {0, 0}, {20, 20}, {14, 14}}) {
    system_.ClearCalls();
    mod_Mouse::SetMouseSpeed(given);
    EXPECT_EQ(OnlyCall(), Spi(win::SPI_SETMOUSESPEED, 0, passed)) << "speed " << given;
  }
}

TEST_F(ModMouse, ClickTimeIsClampedTo200To900) {
  for (const auto& [given, passed] : {std::pair{150, 200}, {1000, 900}, {500, 500}, {200, 200}}) {
    system_.ClearCalls();
    mod_Mouse::SetClickTime(given);
    EXPECT_EQ(OnlyCall(), (MouseParamsCall{"SetDoubleClickTime", {passed}})) << given;
  }
}

TEST_F(ModMouse, WheelLinesGoUnclampedInTheSecondArgumentWithAZeroedVariable) {
  for (int lines : {20, 0, 99}) {
    system_.ClearCalls();
    mod_Mouse::SetWheelLines(lines);
    EXPECT_EQ(OnlyCall(), Spi(win::SPI_SETWHEELSCROLLLINES, static_cast<win::UINT>(lines), 0));
  }
}

TEST_F(ModMouse, GettersStartTheirVariablesAtZeroAndReadTheSystem) {
  system_.speed = 13;
  system_.wheelLines = win::WHEEL_PAGESCROLL;
  system_.doubleClickTime = 1000;
  EXPECT_EQ(mod_Mouse::GetMouseSpeed(), 13);
  EXPECT_EQ(mod_Mouse::GetWheelLines(), -1);
  EXPECT_EQ(mod_Mouse::GetClickTime(), 1000);
  ASSERT_EQ(system_.Calls().size(), 3u);
  EXPECT_EQ(system_.Calls()[0], Spi(win::SPI_GETMOUSESPEED, 0, 0));
  EXPECT_EQ(system_.Calls()[1], Spi(win::SPI_GETWHEELSCROLLLINES, 0, 0));
}

TEST_F(ModMouse, SwapPassesOneOrZeroAndTheMetricReadsBack) {
  mod_Mouse::SetButtonsSwapped(true);
  EXPECT_EQ(OnlyCall(), (MouseParamsCall{"SwapMouseButton", {1}}));
  EXPECT_TRUE(mod_Mouse::GetButtonsSwapped());
  system_.ClearCalls();
  mod_Mouse::SetButtonsSwapped(false);
  EXPECT_EQ(OnlyCall(), (MouseParamsCall{"SwapMouseButton", {0}}));
  EXPECT_FALSE(mod_Mouse::GetButtonsSwapped());
}

TEST_F(ModMouse, AccelerationOffPassesThreeZerosWithoutSavingOrBroadcasting) {
  mod_Mouse::SetMouseAcceleration(false);
  EXPECT_EQ(OnlyCall(),
            (MouseParamsCall{"SystemParametersInfoA", {win::SPI_SETMOUSE, 0, 0, 0, 0, 0, 0}}));
  EXPECT_EQ(system_.acceleration, (std::array<int, 3>{0, 0, 0}));
}

}  // namespace
