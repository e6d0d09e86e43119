// Start-up, the single-copy rule, the wake-up poll and hiding to the tray.
#include "shell/frmMain.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/sim/ProgramFixture.h"

namespace {

using testing_support::ProgramTest;

class MainWindow : public ProgramTest {};

TEST_F(MainWindow, StartsShownAndActivated) {
  ASSERT_TRUE(StartProgram());
  EXPECT_TRUE(Window().IsWindowVisible());
  EXPECT_FALSE(Window().IsIconic());
  EXPECT_TRUE(Main().Activated);
  EXPECT_EQ(Window().Text(), "KV-3050P Setup");
  EXPECT_EQ(world_.registry.OpenKeyCount(), 1) << "only the key watched for the wake-up flag";
}

TEST_F(MainWindow, ASecondCopyWakesTheFirstAndEndsWithoutATrace) {
  world_.process.anotherInstance = true;
  Store("ScrollLine", "7");
  EXPECT_FALSE(StartProgram());
  EXPECT_EQ(world_.process.exitCode, 0u);
  EXPECT_EQ(Stored("DoPopup"), "1");
  EXPECT_FALSE(Window().IsWindowVisible());
  EXPECT_TRUE(Window().ShowCommands().empty());
  EXPECT_TRUE(world_.mouse.Calls().empty()) << "a second copy changes no mouse parameter";
  EXPECT_TRUE(world_.windowing.messageBoxes.empty());
  EXPECT_EQ(world_.timers.ActiveCount(), 1) << "only the window's own poll timer exists";
}

TEST_F(MainWindow, TheTrayStartHidesTheWindowAtItsFirstActivation) {
  struct Case {
    const char* commandLine;
    bool hidden;
  };
  for (const Case& c :
       {Case{"KV3050PSetup.exe -TRAY", true},
        Case{"\"C:\\Program Files\\KV\\KV3050PSetup.exe\" -TRAY", true},
        Case{"KV3050PSetup.exe -tray", false}, Case{"KV3050PSetup.exe -TRAY now", false},
        Case{"KV3050PSetup.exe", false}}) {
    testing_support::SimWorld world;
    world.process.commandLine = c.commandLine;
    frmMain window;
    ASSERT_TRUE(window.Start());
    auto& form = *world.windowing.Form(window.form.hWnd());
    EXPECT_EQ(!form.IsWindowVisible(), c.hidden) << c.commandLine;
    EXPECT_EQ(form.IsIconic(), c.hidden) << c.commandLine;
    EXPECT_TRUE(window.Activated);
  }
}

TEST_F(MainWindow, TheWakeUpFlagBringsTheWindowBackWithinASecond) {
  world_.process.commandLine = "KV3050PSetup.exe -TRAY";
  ASSERT_TRUE(StartProgram());
  ASSERT_FALSE(Window().IsWindowVisible());
  Store("DoPopup", "1");
  world_.timers.Advance(999);
  EXPECT_FALSE(Window().IsWindowVisible());
  world_.timers.Advance(1);
  EXPECT_TRUE(Window().IsWindowVisible());
  EXPECT_FALSE(Window().IsIconic());
  EXPECT_EQ(Stored("DoPopup"), "0");
}

TEST_F(MainWindow, OnlyTheExactTextOneIsAWakeUp) {
  ASSERT_TRUE(StartProgram());
  Main().form.SetWindowState(toolkit::vbMinimized);
  for (const char* text : {"0", "", "2", "11", "yes"}) {
    Store("DoPopup", text);
    world_.timers.Advance(1000);
    EXPECT_TRUE(Window().IsIconic()) << "DoPopup \"" << text << "\"";
    EXPECT_EQ(Stored("DoPopup"), text) << "a flag that is no wake-up stays as it is";
  }
  Store("DoPopup", " 1 ");  // another writer's spaces are trimmed by the store
  world_.timers.Advance(1000);
  EXPECT_FALSE(Window().IsIconic());
}

TEST_F(MainWindow, AWakeUpLeavesAShownWindowWhereItIs) {
  ASSERT_TRUE(StartProgram());
  const auto commands = Window().ShowCommands().size();
  Store("DoPopup", "1");
  world_.timers.Advance(1000);
  EXPECT_EQ(Window().ShowCommands().size(), commands) << "a visible window is not restored";
  EXPECT_EQ(Stored("DoPopup"), "0");
}

TEST_F(MainWindow, AFlagLeftFromAnEarlierRunWakesTheNextCopyAtItsFirstTick) {
  Store("DoPopup", "1");
  world_.process.commandLine = "KV3050PSetup.exe -TRAY";
  ASSERT_TRUE(StartProgram());
  EXPECT_FALSE(Window().IsWindowVisible());
  world_.timers.Advance(1000);
  EXPECT_TRUE(Window().IsWindowVisible());
  EXPECT_EQ(Stored("DoPopup"), "0");
}

TEST_F(MainWindow, CancelHidesToTheTrayAndStoresNothing) {
  ASSERT_TRUE(StartProgram());
  world_.windowing.Combo(Main().cmbLButton.hWnd())->UserChooses("Right Button");
  const auto stored = StoredInOrder();
  ASSERT_TRUE(ClickButton(Main().btnCancel));
  EXPECT_FALSE(Window().IsWindowVisible());
  EXPECT_TRUE(Window().IsIconic());
  EXPECT_EQ(StoredInOrder(), stored);
  EXPECT_TRUE(world_.mouse.swapped) << "nothing is undone";
  EXPECT_EQ(Main().cmbLButton.Text(), "Right Button") << "the controls keep their values";
}

TEST_F(MainWindow, HidingAnAlreadyMinimisedWindowLeavesItVisible) {
  ASSERT_TRUE(StartProgram());
  Main().form.SetWindowState(toolkit::vbMinimized);
  ClickButton(Main().btnCancel);
  EXPECT_TRUE(Window().IsWindowVisible());
}

TEST_F(MainWindow, ControlsSitWhereTheLayoutPutsThem) {
  ASSERT_TRUE(StartProgram());
  auto rectOf = [&](win::HWND handle) -> platform::PixelRect {
    if (auto* combo = world_.windowing.Combo(handle)) return combo->WindowRect();
    if (auto* bar = world_.windowing.Scroll(handle)) return bar->WindowRect();
    if (auto* surface = world_.desktop.Surface(handle)) {
      return {surface->Left(), surface->Top(), surface->ScaleWidth(), surface->ScaleHeight()};
    }
    return {};
  };
  struct Case {
    win::HWND handle;
    platform::PixelRect pixels;
  };
  for (const Case& c : {Case{Main().cmbLButton.hWnd(), {160, 112, 105, 20}},
                        Case{Main().scrSpeed.hWnd(), {37, 388, 531, 14}},
                        Case{Main().scrClickSpeed.hWnd(), {38, 454, 246, 14}},
                        Case{Main().scrWheelScroll.hWnd(), {321, 455, 246, 14}},
                        Case{Main().btnMin.hWnd(), {544, 22, 15, 15}},
                        Case{Main().btnClose.hWnd(), {563, 22, 15, 15}},
                        Case{Main().btnApply.hWnd(), {508, 506, 57, 23}},
                        Case{Main().btnHomepage.hWnd(), {40, 23, 107, 31}}}) {
    EXPECT_EQ(rectOf(c.handle), c.pixels);
  }
  EXPECT_EQ(Window().WindowRect(), (platform::PixelRect{340, 238, 600, 548}));
  EXPECT_FALSE(world_.windowing.CheckBox(Main().chkAccelator.hWnd())->IsWindowVisible());
  EXPECT_FALSE(world_.windowing.Combo(Main().cmbRButton.hWnd())->UserChooses("Left Button"))
      << "the secondary button's box cannot be opened";
  EXPECT_EQ(world_.windowing.Combo(Main().cmbWButton.hWnd())->BackColor(), 0xE0E0E0u);
  for (const toolkit::ScrollBar* bar :
       {&Main().scrSpeed, &Main().scrClickSpeed, &Main().scrWheelScroll}) {
    const auto* hand = world_.windowing.LoadOf(world_.windowing.Scroll(bar->hWnd())->Cursor());
    ASSERT_NE(hand, nullptr) << bar->Name();
    EXPECT_EQ(hand->resource, "HAND");
    EXPECT_EQ(hand->width, 32) << "exactly the 32-pixel hand at 96 dpi";
  }
  EXPECT_EQ(world_.windowing.Combo(Main().cmbLButton.hWnd())->Cursor(), 0u);
}

TEST_F(MainWindow, TheKeyboardVisitsTheControlsInTabOrder) {
  ASSERT_TRUE(StartProgram());
  // Windows are made in tab order. The sim keeps the skinned buttons' surfaces
  // in a window system of their own, so each kind is checked in its own order.
  const std::vector<win::HWND> standard = {
      Main().scrSpeed.hWnd(),    Main().scrClickSpeed.hWnd(), Main().scrWheelScroll.hWnd(),
      Main().cmbLButton.hWnd(),  Main().cmbRButton.hWnd(),    Main().cmbWButton.hWnd(),
      Main().cmbXButton1.hWnd(), Main().cmbXButton2.hWnd(),   Main().chkAccelator.hWnd()};
  EXPECT_EQ(world_.windowing.Children(Main().form.hWnd()), standard);
  const std::vector<win::HWND> skinned = {Main().btnMin.hWnd(),   Main().btnOK.hWnd(),
                                          Main().btnClose.hWnd(), Main().btnCancel.hWnd(),
                                          Main().btnApply.hWnd(), Main().btnHomepage.hWnd()};
  EXPECT_TRUE(std::is_sorted(skinned.begin(), skinned.end())) << "made in tab order";
}

TEST_F(MainWindow, TheKeyboardFocusComesBackWithTheWindow) {
  ASSERT_TRUE(StartProgram());
  auto& windowing = world_.windowing;
  auto focusOn = [&](const controls::ButtonExHost& button) {
    windowing.SetFocus(button.hWnd());
    return world_.desktop.Surface(button.hWnd());
  };
  // Space on OK, from the keyboard alone: stored, and off to the tray.
  world_.windowing.Combo(Main().cmbWButton.hWnd())->UserChooses("Excel");
  sim::SimUserControlSurface* ok = focusOn(Main().btnOK);
  ASSERT_TRUE(ok->HasFocus());
  ok->KeyDown(win::VK_SPACE, 0);
  ok->KeyUp(win::VK_SPACE, 0);
  EXPECT_EQ(Stored("WheelButton"), "Excel");
  EXPECT_FALSE(Window().IsWindowVisible());
  EXPECT_EQ(windowing.GetFocus(), 0u);
  Store("DoPopup", "1");
  world_.timers.Advance(1000);
  ASSERT_TRUE(Window().IsWindowVisible());
  EXPECT_EQ(windowing.GetFocus(), Main().btnOK.hWnd()) << "back from the tray";
  EXPECT_TRUE(ok->HasFocus());

  sim::SimUserControlSurface* cancel = focusOn(Main().btnCancel);
  Main().form.SetWindowState(toolkit::vbMinimized);
  EXPECT_FALSE(cancel->HasFocus());
  Main().ShowWindow();
  EXPECT_EQ(windowing.GetFocus(), Main().btnCancel.hWnd()) << "back from the taskbar";
  EXPECT_TRUE(cancel->HasFocus());
}

}  // namespace
