// The hook on a thread of its own: Windows calls a low-level hook on the
// thread that installed it and the desktop's mouse waits for that call, so
// the window's thread, whatever it is busy with, must never be that thread.
// The choices reach the hook without either thread waiting for the other,
// and the watchdog, the session events and the end work across the two.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <latch>
#include <thread>
#include <vector>

#include "remap/clsMouseEvents.h"
#include "remap/modHooking.h"
#include "support/sim/ProgramFixture.h"
#include "support/sim/SideButtons.h"

namespace {

using namespace testing_support::side_buttons;
using Clock = std::chrono::steady_clock;
using sim::SimKey;
using testing_support::ProgramTest;

constexpr win::UINT kBlockingMessage = win::WM_APP + 40;

win::LRESULT PassOn(int nCode, win::WPARAM wParam, win::LPARAM lParam) {
  return platform::Use<platform::Input>().CallNextHookEx(0, nCode, wParam, lParam);
}

// Holds the thread that calls it inside a hook call until released.
struct Hold {
  std::latch entered{1};
  std::latch release{1};
};
Hold* hold = nullptr;
win::LRESULT Holds(int nCode, win::WPARAM wParam, win::LPARAM lParam) {
  if (hold != nullptr) {
    hold->entered.count_down();
    hold->release.wait();
  }
  return PassOn(nCode, wParam, lParam);
}

class HookThread : public ProgramTest {
 protected:
  sim::SimInput& Input() { return world_.input; }
  win::DWORD WindowThread() { return world_.threads.GetCurrentThreadId(); }
  win::DWORD HookThreadId() { return modHooking::objMouseEvents->HookThreadId(); }
  // The window's thread runs a handler that blocks until the desktop, on a
  // thread of its own, has sent the events of desktop; answers the longest
  // time one of them waited.
  Clock::duration WhileTheWindowIsBusy(const std::function<void()>& desktop) {
    std::latch done(1);
    Clock::duration longest{};
    Main().form.OnMessage(kBlockingMessage, [&done](win::WPARAM, win::LPARAM) {
      done.wait();
      return win::LRESULT{0};
    });
    world_.windowing.PostMessageA(Main().form.hWnd(), kBlockingMessage, 0, 0);
    std::thread sender([&] {
      const auto timed = [&](win::UINT message, win::DWORD mouseData) {
        const auto sent = Clock::now();
        Input().SendMouseEvent(message, mouseData);
        longest = std::max(longest, Clock::now() - sent);
      };
      timed(win::WM_MOUSEMOVE, 0);
      desktop();
      timed(win::WM_MOUSEMOVE, 0);
      done.count_down();
    });
    world_.windowing.DispatchPosted();
    sender.join();
    return longest;
  }
};

// Whose thread a hook lives on decides whether a busy window holds up the
// mouse: the program's hook thread never, a hook of the window's own thread
// until the hook timeout, when Windows drops it.
TEST_F(HookThread, ABusyWindowThreadHoldsUpOnlyAHookOfItsOwn) {
  ASSERT_TRUE(StartProgram());
  Input().hookTimeout = std::chrono::milliseconds(300);
  const sim::SimHook ours = Input().Hooks().front();
  EXPECT_EQ(ours.installer, HookThreadId());
  EXPECT_NE(ours.installer, WindowThread());

  std::vector<SimKey> keysWhileBusy;
  const auto longest = WhileTheWindowIsBusy([&] {
    Input().SendMouseEvent(win::WM_XBUTTONDOWN, kX1);
    Input().SendMouseEvent(win::WM_XBUTTONUP, kX1);
    keysWhileBusy = Input().keys;
  });
  EXPECT_EQ(keysWhileBusy, (std::vector<SimKey>{kBackDown, kBackUp}));
  EXPECT_EQ(Input().received.size(), 2u) << "only the two moves reach applications";
  EXPECT_LT(longest, std::chrono::milliseconds(150));
  EXPECT_TRUE(Input().IsInstalled(ours.handle));

  // The same with a hook the window's thread installs in front of ours.
  const win::HHOOK windows = Input().SetWindowsHookExA(win::WH_MOUSE_LL, &PassOn, 0x10000000, 0);
  ASSERT_NE(windows, 0u);
  const auto held = WhileTheWindowIsBusy([] {});
  EXPECT_GE(held, Input().hookTimeout);
  EXPECT_FALSE(Input().IsInstalled(windows)) << "dropped for overrunning the timeout";
  EXPECT_TRUE(Input().IsInstalled(ours.handle));
  EXPECT_EQ(Input().received.size(), 4u) << "the events went on all the same";
}

// Every choice the window's thread makes reaches the hook's thread by the
// very next press, and a release lets go of what its press sent.
TEST_F(HookThread, EachChoiceCountsFromTheNextPress) {
  ASSERT_TRUE(StartProgram());
  sim::SimComboBox& box = *world_.windowing.Combo(Main().cmbXButton1.hWnd());
  std::vector<SimKey> expected;
  for (int i = 0; i < 200; ++i) {
    const bool back = (i * 7 + i / 3) % 2 == 0;
    ASSERT_TRUE(box.UserChooses(back ? "Backward" : "Forward"));
    Input().SendMouseEvent(win::WM_XBUTTONDOWN, kX1);
    // Changed while held: the release still matches the press.
    ASSERT_TRUE(box.UserChooses(back ? "Forward" : "Backward"));
    Input().SendMouseEvent(win::WM_XBUTTONUP, kX1);
    expected.push_back(back ? kBackDown : kForwardDown);
    expected.push_back(back ? kBackUp : kForwardUp);
  }
  EXPECT_EQ(Input().keys, expected);
}

// Whatever asks for it, the hook goes back in on the hook thread, and the
// old one is removed there.
TEST_F(HookThread, ReinstallationsHappenOnTheHookThread) {
  ASSERT_TRUE(StartProgram());
  const win::DWORD hookThread = HookThreadId();
  const win::HHOOK first = modHooking::hMouseHook;
  Window().Send(win::WM_WTSSESSION_CHANGE, win::WTS_SESSION_UNLOCK, 0);
  world_.threads.Settle();
  const win::HHOOK second = modHooking::hMouseHook;
  EXPECT_NE(second, first);
  EXPECT_EQ(Input().unhooks, (std::vector<sim::SimUnhook>{{first, hookThread}}));

  Input().DropHook(second);
  Input().SendMouseEvent(win::WM_MOUSEMOVE, 0, {300, 200});
  world_.timers.Advance(1000);
  world_.threads.Settle();
  ASSERT_EQ(Input().Hooks().size(), 1u);
  EXPECT_EQ(Input().Hooks().front().installer, hookThread);
  EXPECT_EQ(HookThreadId(), hookThread) << "the same thread throughout";
  EXPECT_EQ(Input().unhooks.size(), 1u) << "a dropped hook is not removed again";
}

// The end removes the hook on its thread and waits for that thread; a thread
// stuck in a call is waited for no longer than the bound.
TEST_F(HookThread, TheEndRemovesTheHookAndJoinsTheThread) {
  ASSERT_TRUE(StartProgram());
  const win::DWORD hookThread = HookThreadId();
  const win::HHOOK hook = modHooking::hMouseHook;
  EXPECT_EQ(world_.threads.LastingThreadsRunning(), 1);
  world_.windowing.answers = {win::IDYES};
  Main().ProgramEnd();
  EXPECT_EQ(world_.process.exitCode, 0u);
  EXPECT_TRUE(Input().Hooks().empty());
  EXPECT_EQ(Input().unhooks, (std::vector<sim::SimUnhook>{{hook, hookThread}}));
  EXPECT_EQ(world_.threads.LastingThreadsRunning(), 0);
  EXPECT_EQ(modHooking::objMouseEvents, nullptr);
}

TEST_F(HookThread, TheEndWaitsForAStuckHookThreadOnlySoLong) {
  // An older hook of a thread without a queue runs in place, on our hook's
  // thread, and holds it.
  std::thread([this] {
    ASSERT_NE(Input().SetWindowsHookExA(win::WH_MOUSE_LL, &Holds, 0x10000000, 0), 0u);
  }).join();
  ASSERT_TRUE(StartProgram());
  Hold held;
  hold = &held;
  // Our hook passes the move on, to the older hook, on our hook's thread.
  std::thread desktop([this] { Input().SendMouseEvent(win::WM_MOUSEMOVE); });
  held.entered.wait();
  world_.windowing.answers = {win::IDYES};
  const auto asked = Clock::now();
  Main().ProgramEnd();
  const auto waited = Clock::now() - asked;
  EXPECT_GE(waited, std::chrono::milliseconds(clsMouseEvents::kEndWaitMilliseconds));
  EXPECT_LT(waited, std::chrono::milliseconds(clsMouseEvents::kEndWaitMilliseconds + 500));
  EXPECT_EQ(world_.process.exitCode, 0u);
  EXPECT_EQ(world_.threads.LastingThreadsRunning(), 1);
  held.release.count_down();
  desktop.join();
  hold = nullptr;
}

// No thread for the hook: the program runs without remapping, and the
// watchdog starts one once it can.
TEST_F(HookThread, WithoutAThreadTheWatchdogStartsOneLater) {
  world_.threads.refuseLastingThreads = true;
  ASSERT_TRUE(StartProgram());
  EXPECT_TRUE(Input().Hooks().empty());
  EXPECT_TRUE(Input().SendMouseEvent(win::WM_XBUTTONDOWN, kX1));
  world_.threads.refuseLastingThreads = false;
  Input().SendMouseEvent(win::WM_MOUSEMOVE, 0, {50, 60});
  world_.timers.Advance(1000);
  world_.threads.Settle();
  ASSERT_EQ(Input().Hooks().size(), 1u);
  EXPECT_NE(Input().Hooks().front().installer, WindowThread());
  EXPECT_FALSE(Input().SendMouseEvent(win::WM_XBUTTONUP, kX1));
  EXPECT_FALSE(Input().SendMouseEvent(win::WM_XBUTTONDOWN, kX1));
  EXPECT_EQ(Input().keys, (std::vector<SimKey>{kBackDown}));
}

}  // namespace
