// The hook in the running program, over sims: installed once at the end of
// start-up, turning side buttons into browser keys and the wheel button into
// program starts that run from the message loop, never inside the hook.
#include "remap/modHooking.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "remap/clsMouseEvents.h"
#include "support/sim/ProgramFixture.h"

namespace {

using sim::SimKey;
using sim::SimLaunch;
using sim::SimMouseEvent;
using testing_support::ProgramTest;

constexpr win::DWORD kX1 = 0x10000;
constexpr win::DWORD kX2 = 0x20000;
const SimKey kBackDown{0xA6, 0xA6, 0, 0};
const SimKey kBackUp{0xA6, 0xA6, win::KEYEVENTF_KEYUP, 0};
const SimKey kForwardDown{0xA7, 0xA7, 0, 0};
const SimKey kForwardUp{0xA7, 0xA7, win::KEYEVENTF_KEYUP, 0};

// Another program's hook, installed before ours: it sees what ours passes on.
std::vector<win::UINT> seenByOlderHook;
sim::SimInput* olderHookInput = nullptr;
win::LRESULT OlderHook(int nCode, win::WPARAM wParam, win::LPARAM lParam) {
  seenByOlderHook.push_back(static_cast<win::UINT>(wParam));
  if (nCode < 0) return 77;  // so that a test can tell its answer came back
  return olderHookInput->CallNextHookEx(0, nCode, wParam, lParam);
}

class Remap : public ProgramTest {
 protected:
  sim::SimInput& Input() { return world_.input; }
  sim::SimComboBox& Box(const toolkit::ComboBox& box) {
    return *world_.windowing.Combo(box.hWnd());
  }
  // A press and a release of a button, as the mouse sends them.
  void Click(win::UINT down, win::DWORD mouseData = 0) {
    Input().SendMouseEvent(down, mouseData);
    Input().SendMouseEvent(down + 1, mouseData);
  }
  void InstallOlderHook() {
    seenByOlderHook.clear();
    olderHookInput = &Input();
    ASSERT_NE(Input().SetWindowsHookExA(win::WH_MOUSE_LL, &OlderHook, 0x10000000, 0), 0u);
  }
};

TEST_F(Remap, StartUpInstallsOneGlobalLowLevelHookLast) {
  ASSERT_TRUE(StartProgram());
  ASSERT_EQ(Input().Hooks().size(), 1u);
  const sim::SimHook& hook = Input().Hooks().front();
  EXPECT_EQ(hook.idHook, win::WH_MOUSE_LL);
  EXPECT_EQ(hook.procedure, &modHooking::MouseHookProc);
  EXPECT_EQ(hook.module, world_.process.instance);
  EXPECT_EQ(hook.threadId, 0u);
  EXPECT_EQ(modHooking::hMouseHook, hook.handle);
  ASSERT_NE(modHooking::objMouseEvents, nullptr);
}

TEST_F(Remap, ASecondCopyInstallsNoHook) {
  world_.process.anotherInstance = true;
  EXPECT_FALSE(StartProgram());
  EXPECT_TRUE(Input().Hooks().empty());
  EXPECT_EQ(modHooking::objMouseEvents, nullptr);
  EXPECT_EQ(modHooking::hMouseHook, 0u);
}

TEST_F(Remap, ASecondHookMouseEventsIsIgnoredWhileTheHookIsInstalled) {
  ASSERT_TRUE(StartProgram());
  const win::HHOOK first = modHooking::hMouseHook;
  const auto object = modHooking::objMouseEvents;
  object->HookMouseEvents(Main().form);
  const auto another = std::make_shared<clsMouseEvents>();
  another->HookMouseEvents(Main().form);
  EXPECT_EQ(Input().Hooks().size(), 1u);
  EXPECT_EQ(modHooking::hMouseHook, first);
  EXPECT_EQ(modHooking::objMouseEvents, object);

  modHooking::objMouseEvents->UnhookMouseEvents();
  EXPECT_TRUE(Input().Hooks().empty());
  EXPECT_EQ(modHooking::hMouseHook, first) << "the handle keeps its value after removal";
  EXPECT_EQ(modHooking::objMouseEvents, nullptr);
  Click(win::WM_XBUTTONDOWN, kX1);
  EXPECT_TRUE(Input().keys.empty());
  EXPECT_EQ(Input().received.size(), 2u) << "side buttons are the system's own again";

  another->HookMouseEvents(Main().form);  // nothing installed now: this one counts
  EXPECT_EQ(Input().Hooks().size(), 1u);
  EXPECT_NE(modHooking::hMouseHook, first);
  EXPECT_EQ(modHooking::objMouseEvents, another);
}

TEST_F(Remap, WithoutAHookTheRestOfTheProgramStillWorks) {
  Input().refuseHooks = true;
  ASSERT_TRUE(StartProgram());
  EXPECT_EQ(modHooking::hMouseHook, 0u);
  EXPECT_TRUE(Window().IsWindowVisible());
  Click(win::WM_XBUTTONDOWN, kX1);
  Click(win::WM_MBUTTONDOWN);
  EXPECT_TRUE(Input().keys.empty());
  EXPECT_EQ(Input().received.size(), 4u);
  ASSERT_TRUE(ClickButton(Main().btnApply));
  EXPECT_EQ(Stored("XButton1"), "Backward");
}

TEST_F(Remap, SideButtonsPressAndReleaseBrowserKeysUnseenByApplications) {
  ASSERT_TRUE(StartProgram());
  Click(win::WM_XBUTTONDOWN, kX1);
  Click(win::WM_XBUTTONDOWN, kX2);
  EXPECT_EQ(Input().keys, (std::vector<SimKey>{kBackDown, kBackUp, kForwardDown, kForwardUp}));
  EXPECT_TRUE(Input().received.empty());
  EXPECT_EQ(modHooking::MouseHookData.mouseData, kX2) << "the copy of the last side-button record";
}

TEST_F(Remap, AChoiceCountsFromTheNextEventWithoutApply) {
  Store("XButton1", "Forward");
  ASSERT_TRUE(StartProgram());
  Click(win::WM_XBUTTONDOWN, kX1);
  ASSERT_TRUE(Box(Main().cmbXButton2).UserChooses("Backward"));
  Click(win::WM_XBUTTONDOWN, kX2);
  EXPECT_EQ(Input().keys, (std::vector<SimKey>{kForwardDown, kForwardUp, kBackDown, kBackUp}));
  EXPECT_EQ(Stored("XButton2"), "<missing>") << "nothing was stored";
}

TEST_F(Remap, AReleaseLetsGoOfTheKeyItsPressSent) {
  ASSERT_TRUE(StartProgram());
  Input().SendMouseEvent(win::WM_XBUTTONDOWN, kX1);
  ASSERT_TRUE(Box(Main().cmbXButton1).UserChooses("Forward"));
  Input().SendMouseEvent(win::WM_XBUTTONUP, kX1);
  EXPECT_EQ(Input().keys, (std::vector<SimKey>{kBackDown, kBackUp}));
}

TEST_F(Remap, TheWheelButtonStartsItsProgramFromTheMessageLoop) {
  struct Case {
    const char* choice;
    const char* file;
  };
  for (const Case& c : {Case{"IExplorer", "\"iexplore.exe\""},
                        Case{"File Manager", "\"explorer.exe\""}, Case{"Excel", "\"excel.exe\""}}) {
    testing_support::SimWorld world;
    frmMain window;
    ASSERT_TRUE(window.Start());
    ASSERT_TRUE(world.windowing.Combo(window.cmbWButton.hWnd())->UserChooses(c.choice));

    EXPECT_FALSE(world.input.SendMouseEvent(win::WM_MBUTTONDOWN)) << c.choice;
    EXPECT_TRUE(world.shell.launches.empty()) << "no launch inside the hook: " << c.choice;
    EXPECT_FALSE(world.input.SendMouseEvent(win::WM_MBUTTONUP)) << c.choice;
    EXPECT_EQ(world.windowing.DispatchPosted(), 1) << c.choice;
    const SimLaunch expected{window.form.hWnd(), std::nullopt, c.file,
                             std::nullopt,       "\"\"",       win::SW_SHOWMAXIMIZED};
    EXPECT_EQ(world.shell.launches, std::vector<SimLaunch>{expected}) << c.choice;
    EXPECT_TRUE(world.input.received.empty()) << c.choice;
  }
}

TEST_F(Remap, WithNoUseTheWheelClickReachesApplications) {
  Store("WheelButton", "Excel");
  ASSERT_TRUE(StartProgram());
  ASSERT_TRUE(Box(Main().cmbWButton).UserChooses("No use"));
  Click(win::WM_MBUTTONDOWN);
  EXPECT_EQ(Input().received,
            (std::vector<SimMouseEvent>{{win::WM_MBUTTONDOWN, 0}, {win::WM_MBUTTONUP, 0}}));
  EXPECT_EQ(world_.windowing.PostedCount(), 0u);
  EXPECT_TRUE(world_.shell.launches.empty());
}

TEST_F(Remap, OtherEventsPassThroughToOlderHooksAndApplications) {
  Store("WheelButton", "Excel");
  InstallOlderHook();
  ASSERT_TRUE(StartProgram());
  const win::UINT passing[] = {win::WM_MOUSEMOVE,   win::WM_LBUTTONDOWN, win::WM_LBUTTONUP,
                               win::WM_RBUTTONDOWN, win::WM_RBUTTONUP,   win::WM_MOUSEWHEEL,
                               win::WM_MOUSEHWHEEL};
  for (const win::UINT message : passing) {
    EXPECT_TRUE(Input().SendMouseEvent(message, 0x780000)) << message;
  }
  Click(win::WM_XBUTTONDOWN, kX1);
  Click(win::WM_MBUTTONDOWN);
  EXPECT_EQ(seenByOlderHook, std::vector<win::UINT>(std::begin(passing), std::end(passing)))
      << "consumed events go no further down the chain";
  EXPECT_EQ(Input().received.size(), std::size(passing));
  EXPECT_EQ(Input().keys.size(), 2u);

  // A negative hook code is passed on, and the older hook's answer returned.
  const win::MSLLHOOKSTRUCT record{{0, 0}, kX1, 0, 0, 0};
  EXPECT_EQ(Input().RunHooks(-1, win::WM_XBUTTONDOWN, record), 77);
  EXPECT_EQ(seenByOlderHook.back(), win::WM_XBUTTONDOWN);
  EXPECT_EQ(Input().keys.size(), 2u);
}

TEST_F(Remap, TheHookKeepsWorkingWhileAMessageBoxIsOpen) {
  ASSERT_TRUE(StartProgram());
  world_.windowing.whileOpen = [this](const sim::SimMessageBox&) {
    Click(win::WM_XBUTTONDOWN, kX2);
  };
  ASSERT_TRUE(ClickButton(Main().btnApply));
  EXPECT_EQ(MessagesShown(), std::vector<std::string>{"Performance well adjusted"});
  EXPECT_EQ(Input().keys, (std::vector<SimKey>{kForwardDown, kForwardUp}));
}

}  // namespace
