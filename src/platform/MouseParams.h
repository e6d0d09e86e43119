// The system's mouse parameters: user32's SystemParametersInfoA,
// GetSystemMetrics, SwapMouseButton and the double-click time.
#pragma once

#include "platform/WinTypes.h"

namespace win {

constexpr UINT SPI_GETMOUSE = 3;
constexpr UINT SPI_SETMOUSE = 4;
constexpr UINT SPI_GETWHEELSCROLLLINES = 104;
constexpr UINT SPI_SETWHEELSCROLLLINES = 105;
constexpr UINT SPI_GETMOUSESPEED = 112;
constexpr UINT SPI_SETMOUSESPEED = 113;

constexpr UINT SPIF_UPDATEINIFILE = 1;
constexpr UINT SPIF_SENDCHANGE = 2;

constexpr int SM_SWAPBUTTON = 23;

// The "one screen per notch" wheel setting.
constexpr UINT WHEEL_PAGESCROLL = 0xFFFFFFFF;

}  // namespace win

namespace platform {

class MouseParams {
 public:
  virtual ~MouseParams() = default;

  [[nodiscard]] virtual win::BOOL SystemParametersInfoA(win::UINT action, win::UINT uiParam,
                                                        void* pvParam, win::UINT winIni) = 0;
  [[nodiscard]] virtual int GetSystemMetrics(int index) = 0;
  [[nodiscard]] virtual win::BOOL SwapMouseButton(win::BOOL swap) = 0;
  [[nodiscard]] virtual win::UINT GetDoubleClickTime() = 0;
  [[nodiscard]] virtual win::BOOL SetDoubleClickTime(win::UINT milliseconds) = 0;
};

}  // namespace platform
