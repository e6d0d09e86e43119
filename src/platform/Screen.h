// The screen's density: the dots per inch the program's windows are laid out
// for, and the toolkit's twips-per-pixel factors that follow from it.
#pragma once

namespace win {

// The system metrics that follow the density: icon and cursor sizes.
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXCURSOR = 13;
constexpr int SM_CYCURSOR = 14;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;

}  // namespace win

namespace platform {

class Screen {
 public:
  virtual ~Screen() = default;
  // The density of the monitor the main window is on, as a program aware of
  // each monitor's density sees it: 96 at 100 %, 144 at 150 %.
  [[nodiscard]] virtual int DpiX() = 0;
  [[nodiscard]] virtual int DpiY() = 0;
  // The main window moved to a monitor of another density, or the user
  // changed the scale: what is laid out from now on is laid out for dpi.
  virtual void SetDpi(int dpi) = 0;
  // A system metric as the system gives it at a density
  // (GetSystemMetricsForDpi): the large and small icon and the cursor sizes
  // the shell and the pointer draw at that density.
  [[nodiscard]] virtual int GetSystemMetricsForDpi(int index, int dpi) = 0;

  // 1440 twips per inch over the dots per inch: 15 at 96 dpi, 7.5 at 192.
  double TwipsPerPixelX() { return 1440.0 / DpiX(); }
  double TwipsPerPixelY() { return 1440.0 / DpiY(); }
};

}  // namespace platform
