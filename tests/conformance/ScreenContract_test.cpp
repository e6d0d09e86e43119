// The icon and cursor sizes the system asks for at each density, on both
// backends: the window, the tray and the hand load their images at these
// sizes.
#include "conformance/ContractTest.h"

namespace conformance {
namespace {

class ScreenContract : public ContractTest {};

// Icons scale with the density; the cursor comes in three sizes only.
TEST_F(ScreenContract, IconAndCursorSizesFollowTheDensity) {
  struct Case {
    int dpi;
    int large;   // SM_CXICON
    int small;   // SM_CXSMICON
    int cursor;  // SM_CXCURSOR
  };
  for (const Case& c : {Case{96, 32, 16, 32}, Case{120, 40, 20, 32}, Case{144, 48, 24, 48},
                        Case{168, 56, 28, 48}, Case{192, 64, 32, 64}}) {
    SCOPED_TRACE(c.dpi);
    platform::Screen& screen = Platform().Screen();
    EXPECT_EQ(screen.GetSystemMetricsForDpi(win::SM_CXICON, c.dpi), c.large);
    EXPECT_EQ(screen.GetSystemMetricsForDpi(win::SM_CYICON, c.dpi), c.large);
    EXPECT_EQ(screen.GetSystemMetricsForDpi(win::SM_CXSMICON, c.dpi), c.small);
    EXPECT_EQ(screen.GetSystemMetricsForDpi(win::SM_CYSMICON, c.dpi), c.small);
    EXPECT_EQ(screen.GetSystemMetricsForDpi(win::SM_CXCURSOR, c.dpi), c.cursor);
    EXPECT_EQ(screen.GetSystemMetricsForDpi(win::SM_CYCURSOR, c.dpi), c.cursor);
  }
}

}  // namespace
}  // namespace conformance
