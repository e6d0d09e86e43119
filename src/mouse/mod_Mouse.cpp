#include "mouse/mod_Mouse.h"

#include <algorithm>
#include <cstdint>

#include "platform/MouseParams.h"
#include "platform/Services.h"

namespace mod_Mouse {
namespace {

platform::MouseParams& System() { return platform::Use<platform::MouseParams>(); }

// fWinIni 0: neither saved to the profile nor broadcast.
constexpr win::UINT kNoWinIni = 0;

}  // namespace

// The system's answers are not examined: a parameter it refuses stays as it
// was, and a read it refuses leaves the caller's default.
int GetMouseSpeed() {
  int speed = 0;
  (void)System().SystemParametersInfoA(win::SPI_GETMOUSESPEED, 0, &speed, kNoWinIni);
  return speed;
}

void SetMouseSpeed(int speed) {
  speed = std::clamp(speed, 0, 20);
  // The speed itself travels in the pointer argument.
  auto* asPointer = reinterpret_cast<void*>(  // NOLINT(performance-no-int-to-ptr)
      static_cast<std::intptr_t>(speed));
  (void)System().SystemParametersInfoA(win::SPI_SETMOUSESPEED, 0, asPointer, kNoWinIni);
}

void SetMouseAcceleration(bool enabled) {
  int values[3] = {0, 0, 0};
  if (enabled) {
    values[0] = 6;
    values[1] = 10;
    values[2] = 1;
  }
  (void)System().SystemParametersInfoA(win::SPI_SETMOUSE, 0, values, kNoWinIni);
}

bool GetButtonsSwapped() { return System().GetSystemMetrics(win::SM_SWAPBUTTON) != 0; }

void SetButtonsSwapped(bool swapped) { (void)System().SwapMouseButton(swapped ? 1 : 0); }

int GetClickTime() { return static_cast<int>(System().GetDoubleClickTime()); }

void SetClickTime(int milliseconds) {
  (void)System().SetDoubleClickTime(static_cast<win::UINT>(std::clamp(milliseconds, 200, 900)));
}

int GetWheelLines() {
  win::UINT lines = 0;
  (void)System().SystemParametersInfoA(win::SPI_GETWHEELSCROLLLINES, 0, &lines, kNoWinIni);
  return static_cast<int>(static_cast<std::int32_t>(lines));
}

void SetWheelLines(int lines) {
  win::UINT unused = 0;
  (void)System().SystemParametersInfoA(win::SPI_SETWHEELSCROLLLINES, static_cast<win::UINT>(lines),
                                       &unused, kNoWinIni);
}

}  // namespace mod_Mouse
