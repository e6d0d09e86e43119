// The hook in the running program, over sims: installed at the end of
// start-up, turning side buttons into browser keys and the wheel button into
// program starts that run on a worker, never inside the hook nor on its
// thread, and put back when the system drops it.
#include "remap/modHooking.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <latch>
#include <string>
#include <thread>
#include <vector>

#include "remap/clsMouseEvents.h"
#include "support/sim/ProgramFixture.h"
#include "support/sim/SideButtons.h"

namespace {

using sim::SimKey;
using sim::SimLaunch;
using sim::SimMouseEvent;
using namespace testing_support::side_buttons;
using testing_support::ProgramTest;

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
}

TEST_F(Remap, ASecondHookMouseEventsIsIgnoredWhileTheHookIsInstalled) {
  ASSERT_TRUE(StartProgram());
  const win::HHOOK first = modHooking::hMouseHook;
  const auto object = modHooking::objMouseEvents;
  object->HookMouseEvents(Main().remapEngine, Main().form.hWnd());
  const auto another = std::make_shared<clsMouseEvents>();
  another->HookMouseEvents(Main().remapEngine, Main().form.hWnd());
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

  another->HookMouseEvents(Main().remapEngine,
                           Main().form.hWnd());  // nothing installed now: this one counts
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
    EXPECT_EQ(world.threads.ThreadsMade(), 1) << c.choice;
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

TEST_F(Remap, ProgramStartsRunOnTheirOwnThreadWhileTheUiThreadGoesOn) {
  Store("WheelButton", "Excel");
  ASSERT_TRUE(StartProgram());
  world_.threads.finishBeforeReturning = false;
  struct Caller {
    std::thread::id thread;
    sim::SimApartment apartment;
  };
  const std::thread::id uiThread = std::this_thread::get_id();
  std::vector<Caller> callers;  // written by the workers, read after they ended
  std::latch* entered = nullptr;
  std::latch* release = nullptr;
  world_.shell.duringLaunch = [&](const SimLaunch&) {
    callers.push_back({std::this_thread::get_id(), sim::SimThreads::ThisThread()});
    entered->count_down();
    // Held on a worker only: on the UI thread it would wait for itself.
    if (std::this_thread::get_id() != uiThread) release->wait();
  };
  const std::function<void()> starts[] = {
      [&] {
        Click(win::WM_MBUTTONDOWN);
        EXPECT_EQ(world_.windowing.DispatchPosted(), 1);
      },
      [&] { ASSERT_TRUE(ClickButton(Main().btnHomepage)); },
  };
  int made = 0;
  for (const auto& start : starts) {
    std::latch in(1);
    std::latch out(1);
    entered = &in;
    release = &out;
    start();
    ASSERT_EQ(world_.threads.ThreadsMade(), ++made) << "the start went to a thread of its own";
    in.wait();
    // The shell is still starting the program: the UI thread serves the
    // mouse, its timer and its queue all the same.
    Click(win::WM_XBUTTONDOWN, kX1);
    EXPECT_TRUE(Input().SendMouseEvent(win::WM_MOUSEMOVE, 0, {5, 5}));
    world_.timers.Advance(1000);
    EXPECT_EQ(world_.windowing.DispatchPosted(), 0);
    out.count_down();
    world_.threads.Join();
  }
  EXPECT_EQ(Input().keys, (std::vector<SimKey>{kBackDown, kBackUp, kBackDown, kBackUp}));
  const win::HWND owner = Main().form.hWnd();
  EXPECT_EQ(world_.shell.launches,
            (std::vector<SimLaunch>{
                {owner, std::nullopt, "\"excel.exe\"", std::nullopt, "\"\"", win::SW_SHOWMAXIMIZED},
                {owner, std::nullopt, "\"http://www.ombrix.com/\"", std::nullopt, "\"\"",
                 win::SW_SHOWMAXIMIZED}}));
  ASSERT_EQ(callers.size(), 2u);
  for (const Caller& caller : callers) {
    EXPECT_NE(caller.thread, uiThread);
    EXPECT_TRUE(caller.apartment.joined);
    EXPECT_EQ(caller.apartment.model, win::COINIT_APARTMENTTHREADED);
    EXPECT_EQ(caller.apartment.depth, 1);
  }
  EXPECT_EQ(world_.threads.ThreadsEndedInCom(), 0) << "each worker leaves COM after the call";
}

TEST_F(Remap, AStartWithoutAThreadChangesNothingElse) {
  Store("WheelButton", "File Manager");
  ASSERT_TRUE(StartProgram());
  world_.threads.refuseThreads = true;
  Click(win::WM_MBUTTONDOWN);
  EXPECT_EQ(world_.windowing.DispatchPosted(), 1);
  ASSERT_TRUE(ClickButton(Main().btnHomepage));
  EXPECT_TRUE(world_.shell.launches.empty());
  EXPECT_TRUE(Input().received.empty()) << "the click is consumed all the same";
  EXPECT_TRUE(Window().IsWindowVisible());
  EXPECT_EQ(Input().Hooks().size(), 1u);

  world_.threads.refuseThreads = false;
  Click(win::WM_MBUTTONDOWN);
  EXPECT_EQ(world_.windowing.DispatchPosted(), 1);
  EXPECT_EQ(world_.shell.launches.size(), 1u);
}

TEST_F(Remap, TheWatchdogPutsBackAHookTheSystemDropped) {
  ASSERT_TRUE(StartProgram());
  const win::HHOOK first = modHooking::hMouseHook;
  Input().DropHook(first);
  EXPECT_TRUE(Input().SendMouseEvent(win::WM_XBUTTONDOWN, kX1))
      << "without the hook the side button is the system's own";
  EXPECT_TRUE(Input().SendMouseEvent(win::WM_MOUSEMOVE, 0, {200, 100}));
  world_.timers.Advance(1000);
  world_.threads.Settle();
  ASSERT_EQ(Input().Hooks().size(), 1u);
  EXPECT_NE(modHooking::hMouseHook, first);
  Click(win::WM_XBUTTONDOWN, kX1);
  EXPECT_EQ(Input().keys, (std::vector<SimKey>{kBackDown, kBackUp}));

  world_.windowing.answers = {win::IDYES};
  Main().ProgramEnd();
  EXPECT_TRUE(Input().Hooks().empty()) << "the exit removes the hook in place now";
}

TEST_F(Remap, AHookRefusedAtStartUpIsTriedAgain) {
  Input().refuseHooks = true;
  ASSERT_TRUE(StartProgram());
  Input().SendMouseEvent(win::WM_MOUSEMOVE, 0, {10, 10});
  world_.timers.Advance(1000);
  world_.threads.Settle();
  EXPECT_TRUE(Input().Hooks().empty());

  Input().refuseHooks = false;
  Input().SendMouseEvent(win::WM_MOUSEMOVE, 0, {20, 10});
  world_.timers.Advance(1000);
  world_.threads.Settle();
  ASSERT_EQ(Input().Hooks().size(), 1u);
  Click(win::WM_XBUTTONDOWN, kX2);
  EXPECT_EQ(Input().keys, (std::vector<SimKey>{kForwardDown, kForwardUp}));
}

// Whatever puts the hook back, a false alarm included, leaves one hook, and
// a side button held across it still lets go of its key.
TEST(RemapWatchdog, WhatPutsTheHookBackAndWhatDoesNot) {
  using World = testing_support::SimWorld;
  const auto message = [](win::UINT id, win::WPARAM wParam) {
    return [id, wParam](World& world, frmMain& window) {
      world.windowing.Form(window.form.hWnd())->Send(id, wParam, 0);
    };
  };
  const auto typing = [](World& world, frmMain&) { world.input.keybd_event(0x41, 0x1E, 0, 0); };
  const auto programMovesPointer = [](World& world, frmMain&) {
    world.desktop.SetCursorPos(300, 9);
  };
  struct Case {
    const char* what;
    bool reinstalls;
    std::function<void(World&, frmMain&)> happen;
  };
  const Case cases[] = {
      {"the session unlocked", true, message(win::WM_WTSSESSION_CHANGE, win::WTS_SESSION_UNLOCK)},
      {"the machine resumed", true, message(win::WM_POWERBROADCAST, win::PBT_APMRESUMEAUTOMATIC)},
      {"a program moved the pointer while the user typed (a false alarm)", true,
       [&](World& world, frmMain& window) {
         programMovesPointer(world, window);
         typing(world, window);
       }},
      {"the session locked", false, message(win::WM_WTSSESSION_CHANGE, win::WTS_SESSION_LOCK)},
      {"the machine goes to sleep", false, message(win::WM_POWERBROADCAST, 0x4)},
      {"the user typed", false, typing},
      {"a program moved the pointer", false, programMovesPointer},
      {"the pointer moved through the hook", false,
       [](World& world, frmMain&) {
         world.input.SendMouseEvent(win::WM_MOUSEMOVE, 0, {40, 40});
       }},
      {"an unlock while the system refuses hooks", false,
       [&](World& world, frmMain& window) {
         world.input.refuseHooks = true;
         message(win::WM_WTSSESSION_CHANGE, win::WTS_SESSION_UNLOCK)(world, window);
       }},
  };
  for (const Case& c : cases) {
    World world;
    frmMain window;
    ASSERT_TRUE(window.Start());
    EXPECT_EQ(world.session.registered.count(window.form.hWnd()), 1u) << c.what;
    world.input.SendMouseEvent(win::WM_XBUTTONDOWN, kX1);
    world.timers.Advance(1000);  // the watchdog has seen the press
    const win::HHOOK before = modHooking::hMouseHook;

    c.happen(world, window);
    world.timers.Advance(1000);
    world.threads.Settle();
    EXPECT_EQ(modHooking::hMouseHook != before, c.reinstalls) << c.what;
    EXPECT_EQ(world.input.Hooks().size(), 1u) << c.what;
    world.input.SendMouseEvent(win::WM_XBUTTONUP, kX1);
    EXPECT_EQ(world.input.keys.back(), kBackUp) << c.what << ": no key stays down";
    EXPECT_EQ(std::count(world.input.keys.begin(), world.input.keys.end(), kBackDown), 1) << c.what;
  }
}

}  // namespace
