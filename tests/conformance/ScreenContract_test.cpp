// The icon and cursor sizes the system asks for at each density, on both
// backends: the window and the tray load their images at these sizes.
#include "conformance/ContractTest.h"

namespace conformance {
namespace {

class ScreenContract : public ContractTest {};

TEST_F(ScreenContract, IconAndCursorSizesScaleWithTheDensity) {
  struct Case {
    int dpi;
    int large;  // SM_CXICON, and the cursor's SM_CXCURSOR
    int small;  // SM_CXSMICON
  };
  for (const Case& c : {Case{96, 32, 16}, Case{120, 40, 20}, Case{144, 48, 24}, Case{168, 56, 28},
                        Case{192, 64, 32}}) {
    SCOPED_TRACE(c.dpi);
    platform::Screen& screen = Platform().Screen();
    EXPECT_EQ(screen.GetSystemMetricsForDpi(win::SM_CXICON, c.dpi), c.large);
    EXPECT_EQ(screen.GetSystemMetricsForDpi(win::SM_CYICON, c.dpi), c.large);
    EXPECT_EQ(screen.GetSystemMetricsForDpi(win::SM_CXSMICON, c.dpi), c.small);
    EXPECT_EQ(screen.GetSystemMetricsForDpi(win::SM_CYSMICON, c.dpi), c.small);
    EXPECT_EQ(screen.GetSystemMetricsForDpi(win::SM_CXCURSOR, c.dpi), c.large);
    EXPECT_EQ(screen.GetSystemMetricsForDpi(win::SM_CYCURSOR, c.dpi), c.large);
  }
}

}  // namespace
}  // namespace conformance
