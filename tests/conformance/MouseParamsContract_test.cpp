// The user32 mouse parameters the system relies on, checked on both backends.
// Every test leaves the parameters as it found them.
#include <cstdint>

#include "conformance/ContractTest.h"
#include "mouse/mod_Mouse.h"

namespace conformance {
namespace {

class MouseParamsContract : public ContractTest {
 protected:
  void SetUp() override {
    Mouse().SystemParametersInfoA(win::SPI_GETMOUSESPEED, 0, &speed_, 0);
    Mouse().SystemParametersInfoA(win::SPI_GETMOUSE, 0, acceleration_, 0);
    Mouse().SystemParametersInfoA(win::SPI_GETWHEELSCROLLLINES, 0, &wheelLines_, 0);
    clickTime_ = Mouse().GetDoubleClickTime();
    swapped_ = Mouse().GetSystemMetrics(win::SM_SWAPBUTTON);
  }
  void TearDown() override {
    Mouse().SystemParametersInfoA(win::SPI_SETMOUSESPEED, static_cast<win::UINT>(speed_),
                                  reinterpret_cast<void*>(static_cast<std::intptr_t>(speed_)), 0);
    Mouse().SystemParametersInfoA(win::SPI_SETMOUSE, 0, acceleration_, 0);
    Mouse().SystemParametersInfoA(win::SPI_SETWHEELSCROLLLINES, wheelLines_, nullptr, 0);
    Mouse().SetDoubleClickTime(clickTime_);
    Mouse().SwapMouseButton(swapped_);
  }

  int speed_ = 0;
  int acceleration_[3] = {0, 0, 0};
  win::UINT wheelLines_ = 0;
  win::UINT clickTime_ = 0;
  int swapped_ = 0;
};

TEST_F(MouseParamsContract, WheelLinesTravelInTheSecondArgument) {
  for (int lines : {1, 7, 20}) {
    mod_Mouse::SetWheelLines(lines);
    EXPECT_EQ(mod_Mouse::GetWheelLines(), lines);
  }
}

TEST_F(MouseParamsContract, OneScreenPerNotchReadsAsMinusOne) {
  Mouse().SystemParametersInfoA(win::SPI_SETWHEELSCROLLLINES, win::WHEEL_PAGESCROLL, nullptr, 0);
  EXPECT_EQ(mod_Mouse::GetWheelLines(), -1);
}

TEST_F(MouseParamsContract, DoubleClickTimeIsSetAndRead) {
  for (int milliseconds : {200, 500, 900}) {
    mod_Mouse::SetClickTime(milliseconds);
    EXPECT_EQ(mod_Mouse::GetClickTime(), milliseconds);
  }
  mod_Mouse::SetClickTime(1000);
  EXPECT_EQ(mod_Mouse::GetClickTime(), 900);
}

TEST_F(MouseParamsContract, SwappingTheButtonsShowsInTheSystemMetric) {
  mod_Mouse::SetButtonsSwapped(true);
  EXPECT_TRUE(mod_Mouse::GetButtonsSwapped());
  EXPECT_EQ(Mouse().GetSystemMetrics(win::SM_SWAPBUTTON), 1);
  // SwapMouseButton answers whether the buttons were swapped before.
  EXPECT_NE(Mouse().SwapMouseButton(win::FALSE), 0);
  EXPECT_FALSE(mod_Mouse::GetButtonsSwapped());
  EXPECT_EQ(Mouse().SwapMouseButton(win::FALSE), 0);
}

TEST_F(MouseParamsContract, AccelerationOffIsThreeZeros) {
  mod_Mouse::SetMouseAcceleration(false);
  int values[3] = {-1, -1, -1};
  ASSERT_NE(Mouse().SystemParametersInfoA(win::SPI_GETMOUSE, 0, values, 0), 0);
  EXPECT_EQ(values[0], 0);
  EXPECT_EQ(values[1], 0);
  EXPECT_EQ(values[2], 0);
}

TEST_F(MouseParamsContract, PointerSpeedTravelsAsThePointerArgumentItself) {
  mod_Mouse::SetMouseSpeed(7);
  if (Platform().IsWine()) {
    // Wine quirk: Wine 8 takes the speed from uiParam, which the call leaves 0.
    EXPECT_EQ(mod_Mouse::GetMouseSpeed(), 0);
  } else {
    EXPECT_EQ(mod_Mouse::GetMouseSpeed(), 7);
  }
}

}  // namespace
}  // namespace conformance
