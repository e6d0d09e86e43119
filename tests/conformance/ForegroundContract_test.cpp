// What the hook asks about the desktop at a button event, as Windows answers
// it: the pointer's clip rectangle against the virtual screen, monitors,
// windows that are gone, and integrity levels.
#include <gtest/gtest.h>

#include "conformance/ContractTest.h"
#include "platform/Foreground.h"

namespace conformance {
namespace {

class ForegroundContract : public ContractTest {
 protected:
  platform::Foreground& Desktop() { return Platform().Foreground(); }
};

TEST_F(ForegroundContract, AFreePointerIsClippedToTheWholeVirtualScreen) {
  win::RECT clip{};
  ASSERT_TRUE(Desktop().GetClipCursor(&clip));
  const int left = Desktop().GetSystemMetrics(win::SM_XVIRTUALSCREEN);
  const int top = Desktop().GetSystemMetrics(win::SM_YVIRTUALSCREEN);
  const int width = Desktop().GetSystemMetrics(win::SM_CXVIRTUALSCREEN);
  const int height = Desktop().GetSystemMetrics(win::SM_CYVIRTUALSCREEN);
  EXPECT_GT(width, 0);
  EXPECT_GT(height, 0);
  EXPECT_EQ(clip.left, left);
  EXPECT_EQ(clip.top, top);
  EXPECT_EQ(clip.right, left + width);
  EXPECT_EQ(clip.bottom, top + height);
  EXPECT_EQ(Desktop().GetSystemMetrics(0x7FFF), 0) << "no metric of that index";
}

TEST_F(ForegroundContract, AWindowThatIsGoneHasNoClassProcessOrRectangle) {
  const win::HWND gone = 0x7FFF0;
  win::RECT rect{1, 2, 3, 4};
  EXPECT_FALSE(Desktop().GetWindowRect(gone, &rect));
  EXPECT_FALSE(Desktop().IsZoomed(gone));
  EXPECT_EQ(Desktop().GetClassNameA(gone), "");
  EXPECT_EQ(Desktop().GetWindowProcessId(gone), 0u);
  EXPECT_EQ(Desktop().MonitorFromWindow(gone, win::MONITOR_DEFAULTTONULL), 0u);
  win::MONITORINFO info{sizeof(win::MONITORINFO), {}, {}, 0};
  EXPECT_FALSE(Desktop().GetMonitorInfoA(0, &info));
}

TEST_F(ForegroundContract, TheShellsWindowIsTheDesktopsWhenAShellRuns) {
  const win::HWND shell = Desktop().GetShellWindow();
  if (shell == 0) GTEST_SKIP() << "no shell runs";
  EXPECT_EQ(Desktop().GetClassNameA(shell), "Progman");
  win::MONITORINFO info{sizeof(win::MONITORINFO), {}, {}, 0};
  ASSERT_TRUE(Desktop().GetMonitorInfoA(
      Desktop().MonitorFromWindow(shell, win::MONITOR_DEFAULTTONEAREST), &info));
  // The work area lies within its monitor.
  EXPECT_GE(info.rcWork.left, info.rcMonitor.left);
  EXPECT_GE(info.rcWork.top, info.rcMonitor.top);
  EXPECT_LE(info.rcWork.right, info.rcMonitor.right);
  EXPECT_LE(info.rcWork.bottom, info.rcMonitor.bottom);
  info.cbSize = 4;
  EXPECT_FALSE(Desktop().GetMonitorInfoA(
      Desktop().MonitorFromWindow(shell, win::MONITOR_DEFAULTTONEAREST), &info))
      << "a record of another size";
}

TEST_F(ForegroundContract, OurOwnLevelIsKnownAndAProcessThatIsGoneHasNone) {
  const auto own = Desktop().ProcessIntegrityLevel(Desktop().GetCurrentProcessId());
  ASSERT_TRUE(own.has_value());
  EXPECT_GE(*own, win::SECURITY_MANDATORY_LOW_RID);
  EXPECT_LE(*own, win::SECURITY_MANDATORY_SYSTEM_RID);
  // Process ids are multiples of four; this one is never handed out.
  EXPECT_FALSE(Desktop().ProcessIntegrityLevel(0xFFFFFFF1).has_value());
}

}  // namespace
}  // namespace conformance
