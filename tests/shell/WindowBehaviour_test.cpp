// The frameless window's own behaviour: hiding to the tray and coming back,
// minimising, dragging, the tray icon's notifications and menu, the home
// page, and the exit question.
#include <gtest/gtest.h>

#include <functional>

#include "shell/frmMain.h"
#include "support/sim/ProgramFixture.h"

namespace {

using testing_support::ProgramTest;

class WindowBehaviour : public ProgramTest {
 protected:
  void SetUp() override { ASSERT_TRUE(StartProgram()); }

  void Click(const controls::ButtonExHost& button) { ASSERT_TRUE(ClickButton(button)); }
  // What the shell sends when the mouse does something over the icon.
  void TrayNotification(int mouseMessage) { Window().Send(win::WM_MOUSEMOVE, 1, mouseMessage); }
  bool IconPresent() { return world_.shell.icons.count({Main().form.hWnd(), 1u}) != 0; }
  bool InTray() { return !Window().IsWindowVisible() && Window().IsIconic() && IconPresent(); }
  bool Shown() { return Window().IsWindowVisible() && !Window().IsIconic() && !IconPresent(); }
};

TEST_F(WindowBehaviour, CloseOkAndCancelAllLeaveTheProgramInTheTray) {
  for (const controls::ButtonExHost* button :
       {&Main().btnClose, &Main().btnOK, &Main().btnCancel}) {
    Click(*button);
    EXPECT_TRUE(InTray());
    EXPECT_EQ(world_.shell.icons.at({Main().form.hWnd(), 1u}), "KV-3050P Setup");
    EXPECT_FALSE(world_.process.exitCode) << "closing never ends the program";
    TrayNotification(513);
    EXPECT_TRUE(Shown());
  }
  const win::NOTIFYICONDATAA& added = world_.shell.notifyCalls.front().data;
  EXPECT_EQ(added.hIcon, Window().SmallIcon()) << "the small image, not the large one scaled";
  EXPECT_NE(added.hIcon, Window().Icon());
  EXPECT_NE(added.hIcon, 0u);
  EXPECT_EQ(added.uCallbackMessage, 512u);
}

TEST_F(WindowBehaviour, CloseRequestsHideToTheTrayAndASecondStartBringsTheWindowBack) {
  struct Case {
    const char* name;
    bool minimisedFirst;
    std::function<void(testing_support::SimWorld&, win::HWND)> close;
  };
  const Case cases[] = {
      {"Alt+F4", false,
       [](auto& world, win::HWND form) { world.windowing.Form(form)->UserCloses(); }},
      {"taskbar Close while minimised", true,
       [](auto& world, win::HWND form) { world.windowing.Form(form)->UserCloses(); }},
      {"posted WM_CLOSE", false,
       [](auto& world, win::HWND form) {
         world.windowing.PostMessageA(form, win::WM_CLOSE, 0, 0);
         world.windowing.DispatchPosted();
       }},
  };
  for (const Case& c : cases) {
    if (c.minimisedFirst) Click(Main().btnMin);
    c.close(world_, Main().form.hWnd());
    EXPECT_FALSE(Window().Destroyed()) << c.name;
    EXPECT_TRUE(InTray()) << c.name;
    EXPECT_FALSE(world_.process.exitCode) << c.name;
    c.close(world_, Main().form.hWnd());  // once more while in the tray: nothing changes
    EXPECT_EQ(world_.shell.icons.size(), 1u) << c.name;

    Store("DoPopup", "1");  // a second start
    world_.timers.Advance(1000);
    EXPECT_TRUE(Shown()) << c.name;
    EXPECT_EQ(Stored("DoPopup"), "0") << c.name;
  }
}

TEST_F(WindowBehaviour, AWindowDestroyedAnywayEndsTheProgramAsAConfirmedExitDoes) {
  Click(Main().btnClose);
  Window().Destroy();
  EXPECT_EQ(world_.process.exitCode, 0u);
  EXPECT_TRUE(world_.input.Hooks().empty());
  EXPECT_TRUE(world_.shell.icons.empty());
  EXPECT_TRUE(world_.windowing.messageBoxes.empty()) << "nothing is asked";
}

TEST_F(WindowBehaviour, MinimiseGoesToTheTaskbarWithoutAnIcon) {
  Click(Main().btnMin);
  EXPECT_TRUE(Window().IsWindowVisible());
  EXPECT_TRUE(Window().IsIconic());
  EXPECT_TRUE(world_.shell.icons.empty());
  // A second start brings it back through the wake-up flag.
  Store("DoPopup", "1");
  world_.timers.Advance(1000);
  EXPECT_TRUE(Shown());
}

TEST_F(WindowBehaviour, ShowingAShownWindowLeavesItAndStillAsksToRemoveTheIcon) {
  const auto commands = Window().ShowCommands();
  Main().ShowWindow();
  EXPECT_EQ(Window().ShowCommands(), commands) << "not raised, not restored";
  ASSERT_FALSE(world_.shell.notifyCalls.empty());
  EXPECT_EQ(world_.shell.notifyCalls.back().message, win::NIM_DELETE);
  EXPECT_FALSE(world_.shell.notifyCalls.back().result) << "no icon to remove";
}

TEST_F(WindowBehaviour, TheIconsLeftPressShowsTheWindowAndTheRestOfADoubleClickIsIgnored) {
  Click(Main().btnClose);
  for (int message : {513, 514, 515, 514}) TrayNotification(message);
  EXPECT_TRUE(Shown());
  EXPECT_EQ(std::count_if(world_.shell.notifyCalls.begin(), world_.shell.notifyCalls.end(),
                          [](const auto& call) { return call.message == win::NIM_DELETE; }),
            1);
}

TEST_F(WindowBehaviour, NotificationsReachingAShownWindowAreIgnored) {
  TrayNotification(517);
  TrayNotification(513);
  EXPECT_TRUE(world_.windowing.popups.empty());
  EXPECT_TRUE(world_.shell.notifyCalls.empty());
}

TEST_F(WindowBehaviour, TheRightButtonOpensTheTrayMenuAndItsItemsCallTheWindow) {
  Click(Main().btnClose);
  world_.windowing.menuChoices = {"Ombrix Home"};
  TrayNotification(516);
  EXPECT_TRUE(world_.windowing.popups.empty()) << "the menu opens on the release";
  TrayNotification(517);
  ASSERT_EQ(world_.windowing.popups.size(), 1u);
  EXPECT_EQ(
      world_.windowing.popups[0],
      (sim::SimWindowing::Popup{{"KV-3050P Setup", "Ombrix Home", "Pause button remapping", "Exit"},
                                win::TPM_LEFTALIGN | win::TPM_LEFTBUTTON,
                                Main().form.hWnd(),
                                {false, false, false, false}}));
  EXPECT_EQ(world_.shell.launches.size(), 1u);
  EXPECT_TRUE(InTray()) << "the home page leaves the window where it is";

  world_.windowing.menuChoices = {"KV-3050P Setup"};
  TrayNotification(517);
  EXPECT_TRUE(Shown());
}

TEST_F(WindowBehaviour, ExitAsksAndNoLeavesEverythingAsItWas) {
  Click(Main().btnClose);
  world_.windowing.menuChoices = {"Exit"};
  world_.windowing.answers = {win::IDNO};
  TrayNotification(517);
  ASSERT_EQ(world_.windowing.messageBoxes.size(), 1u);
  EXPECT_EQ(world_.windowing.messageBoxes[0],
            (sim::SimMessageBox{Main().form.hWnd(), "Do you want to exit this program?",
                                "KV-3050P Setup", win::MB_YESNO}));
  EXPECT_FALSE(world_.process.exitCode);
  EXPECT_TRUE(InTray());
  EXPECT_EQ(world_.input.Hooks().size(), 1u) << "the hook keeps working";
}

TEST_F(WindowBehaviour, ExitAnsweredYesRemovesTheIconAndEndsTheProcess) {
  Click(Main().btnClose);
  world_.windowing.answers = {win::IDYES};
  ASSERT_EQ(world_.input.Hooks().size(), 1u);
  Main().ProgramEnd();
  EXPECT_EQ(world_.process.exitCode, 0u);
  EXPECT_TRUE(world_.input.Hooks().empty()) << "the hook is removed before the end";
  EXPECT_TRUE(world_.shell.icons.empty()) << "no dead icon stays in the notification area";
  EXPECT_TRUE(world_.windowing.messageBoxes.size() == 1);
}

TEST_F(WindowBehaviour, TheHomePageOpensMaximisedInTheDefaultHandler) {
  Click(Main().btnHomepage);
  ASSERT_EQ(world_.shell.launches.size(), 1u);
  EXPECT_EQ(world_.shell.launches[0],
            (sim::SimLaunch{Main().form.hWnd(), std::nullopt, "\"http://www.ombrix.com/\"",
                            std::nullopt, "\"\"", win::SW_SHOWMAXIMIZED}));
  EXPECT_TRUE(Shown());
}

TEST_F(WindowBehaviour, TheLeftButtonOnTheSurfaceDragsTheWindowAndOthersDoNot) {
  Window().Send(win::WM_RBUTTONDOWN, win::MK_RBUTTON, win::MAKELPARAM(100, 10));
  Window().Send(win::WM_MBUTTONDOWN, win::MK_MBUTTON, win::MAKELPARAM(100, 10));
  EXPECT_EQ(world_.windowing.captureReleases, 0);
  EXPECT_TRUE(world_.windowing.defaultProcessed.empty());
  Window().Send(win::WM_LBUTTONDOWN, win::MK_LBUTTON, win::MAKELPARAM(100, 10));
  EXPECT_EQ(world_.windowing.captureReleases, 1);
  EXPECT_EQ(world_.windowing.defaultProcessed,
            (std::vector<sim::SimWindowing::Sent>{
                {Main().form.hWnd(), win::WM_NCLBUTTONDOWN, win::HTCAPTION, 0}}));
}

TEST_F(WindowBehaviour, ARecreatedTaskbarGetsTheIconBackOnlyWhileInTheTray) {
  const win::UINT taskbarCreated = world_.windowing.RegisterWindowMessageA("TaskbarCreated");
  Window().Send(taskbarCreated, 0, 0);
  EXPECT_TRUE(world_.shell.icons.empty());
  Click(Main().btnClose);
  world_.shell.icons.clear();  // the new shell has forgotten it
  Window().Send(taskbarCreated, 0, 0);
  EXPECT_TRUE(IconPresent());
  EXPECT_EQ(world_.shell.icons.at({Main().form.hWnd(), 1u}), "KV-3050P Setup");
}

TEST(EndRequest, EndsTheProgramAsAConfirmedExitDoesWithoutAsking) {
  struct Case {
    const char* commandLine;
    const char* state;
    std::size_t icons;
  };
  for (const Case& c :
       {Case{"KV3050PSetup.exe -TRAY", "in the tray", 1}, Case{"KV3050PSetup.exe", "shown", 0}}) {
    testing_support::SimWorld world;
    world.process.commandLine = c.commandLine;
    frmMain window;
    ASSERT_TRUE(window.Start());
    ASSERT_EQ(world.input.Hooks().size(), 1u);
    ASSERT_EQ(world.shell.icons.size(), c.icons);
    // The installer posts the message by this name; the program must answer to it.
    const win::UINT request = world.windowing.RegisterWindowMessageA("KV3050PSetup.EndRequest");
    ASSERT_TRUE(world.windowing.PostMessageA(window.form.hWnd(), request, 0, 0));
    world.windowing.DispatchPosted();
    EXPECT_EQ(world.process.exitCode, 0u) << c.state;
    EXPECT_TRUE(world.input.Hooks().empty()) << c.state;
    EXPECT_TRUE(world.shell.icons.empty()) << c.state;
    EXPECT_TRUE(world.windowing.messageBoxes.empty()) << c.state << ": nothing is asked";
  }
}

TEST(TrayStart, TheWindowIsHiddenAtItsFirstActivationWithItsIconPresent) {
  testing_support::SimWorld world;
  world.process.commandLine = "KV3050PSetup.exe -TRAY";
  frmMain window;
  ASSERT_TRUE(window.Start());
  EXPECT_FALSE(world.windowing.Form(window.form.hWnd())->IsWindowVisible());
  EXPECT_EQ(world.shell.icons.size(), 1u);
  EXPECT_EQ(world.shell.icons.begin()->second, "KV-3050P Setup");
}

}  // namespace
