#include "platform/sim/SimMouseParams.h"

namespace sim {
namespace {

// A pointer argument is recorded as the 32-bit value it points to on entry.
std::int64_t Pointed(const void* pointer) {
  return pointer != nullptr ? *static_cast<const std::int32_t*>(pointer) : kNullPointer;
}

}  // namespace

win::BOOL SimMouseParams::SystemParametersInfoA(win::UINT action, win::UINT uiParam, void* pvParam,
                                                win::UINT winIni) {
  MouseParamsCall call{"SystemParametersInfoA", {action, uiParam, 0, winIni}};
  win::BOOL ok = win::TRUE;
  switch (action) {
    case win::SPI_GETMOUSESPEED:
      call.args[2] = Pointed(pvParam);
      if (pvParam == nullptr) {
        ok = win::FALSE;
      } else {
        *static_cast<int*>(pvParam) = speed;
      }
      break;
    case win::SPI_SETMOUSESPEED: {
      // The speed travels as the pointer-sized value itself; Windows takes 1 to 20.
      const auto requested = static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(pvParam));
      call.args[2] = requested;
      if (requested >= 1 && requested <= 20) {
        speed = static_cast<int>(requested);
      } else {
        ok = win::FALSE;
      }
      break;
    }
    case win::SPI_GETMOUSE:
    case win::SPI_SETMOUSE: {
      call.args[2] = Pointed(pvParam);
      auto* values = static_cast<int*>(pvParam);
      if (values == nullptr) {
        ok = win::FALSE;
      } else if (action == win::SPI_GETMOUSE) {
        for (std::size_t i = 0; i < 3; ++i) values[i] = acceleration[i];
      } else {
        for (std::size_t i = 0; i < 3; ++i) {
          acceleration[i] = values[i];
          call.args.push_back(values[i]);
        }
      }
      break;
    }
    case win::SPI_GETWHEELSCROLLLINES:
      call.args[2] = Pointed(pvParam);
      if (pvParam == nullptr) {
        ok = win::FALSE;
      } else {
        *static_cast<win::UINT*>(pvParam) = wheelLines;
      }
      break;
    case win::SPI_SETWHEELSCROLLLINES:
      // The lines travel in uiParam; pvParam is not read.
      call.args[2] = Pointed(pvParam);
      wheelLines = uiParam;
      break;
    default:
      ok = win::FALSE;
      break;
  }
  calls_.push_back(std::move(call));
  return ok;
}

int SimMouseParams::GetSystemMetrics(int index) {
  calls_.push_back({"GetSystemMetrics", {index}});
  return index == win::SM_SWAPBUTTON ? (swapped ? 1 : 0) : 0;
}

win::BOOL SimMouseParams::SwapMouseButton(win::BOOL swap) {
  calls_.push_back({"SwapMouseButton", {swap}});
  const bool previous = swapped;
  swapped = swap != 0;
  return previous ? win::TRUE : win::FALSE;
}

win::UINT SimMouseParams::GetDoubleClickTime() {
  calls_.push_back({"GetDoubleClickTime", {}});
  return doubleClickTime;
}

win::BOOL SimMouseParams::SetDoubleClickTime(win::UINT milliseconds) {
  calls_.push_back({"SetDoubleClickTime", {milliseconds}});
  // Zero asks for the system default.
  doubleClickTime = milliseconds == 0 ? 500 : milliseconds;
  return win::TRUE;
}

}  // namespace sim
