// The running program's hook before each kind of foreground, over sims: what
// the applications get and what the program sends, how releases follow their
// presses when the foreground changes in between, and the tray menu's pause.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "remap/modHooking.h"
#include "support/sim/ProgramFixture.h"
#include "support/sim/SideButtons.h"

namespace {

using sim::SimKey;
using sim::SimMouseEvent;
using namespace testing_support::side_buttons;

constexpr win::DWORD kGame = 5001;
constexpr win::DWORD kAdmin = 6000;

// Public, so that the tables' steps can arrange the world.
class RemapContext : public testing_support::ProgramTest {
 public:
  using ProgramTest::Main;
  void SetUp() override {
    Store("WheelButton", "Excel");
    ASSERT_TRUE(StartProgram());
  }
  sim::SimForeground& Desktop() { return world_.foreground; }
  // A window of its own process in front.
  win::HWND InFront(win::RECT rect, const char* className = "AppWindow",
                    win::DWORD process = kGame) {
    const win::HWND window = Desktop().AddWindow(rect, className, process);
    Desktop().foreground = window;
    return window;
  }
  void Ordinary() { InFront({100, 100, 900, 700}, "Notepad", 5000); }
  void FullScreen() { InFront({0, 0, 1920, 1080}); }
  // The tray menu, opened over the icon with the right button, and its item
  // chosen by a click.
  void ChooseInTrayMenu(const std::string& caption) {
    world_.windowing.menuChoices = {caption};
    Window().Send(win::WM_MOUSEMOVE, 1, 517);
  }
  // What a click of the button left: passed on to the applications, keys
  // sent, starts handed to the message loop.
  struct Outcome {
    bool passed;
    std::vector<SimKey> keys;
    int launches;
  };
  Outcome ClickAndSee(win::UINT down, win::DWORD mouseData) {
    world_.input.received.clear();
    world_.input.keys.clear();
    const bool pressPassed = world_.input.SendMouseEvent(down, mouseData);
    const bool releasePassed = world_.input.SendMouseEvent(down + 1, mouseData);
    EXPECT_EQ(pressPassed, releasePassed) << "a release goes the way its press went";
    if (pressPassed) {
      EXPECT_EQ(world_.input.received,
                (std::vector<SimMouseEvent>{{down, mouseData}, {down + 1, mouseData}}));
    }
    return {pressPassed, world_.input.keys, world_.windowing.DispatchPosted()};
  }
};

TEST_F(RemapContext, WhatPassesAndWhatIsSentBeforeEachForeground) {
  struct Row {
    const char* what;
    std::function<void(RemapContext&)> arrange;
    bool sidePasses;
    bool wheelPasses;
  };
  const Row rows[] = {
      {"an ordinary window", [](RemapContext& t) { t.Ordinary(); }, false, false},
      {"nothing in front", [](RemapContext&) {}, false, false},
      {"a full-screen game", [](RemapContext& t) { t.FullScreen(); }, true, true},
      {"a borderless game on the second monitor",
       [](RemapContext& t) {
         t.Desktop().AddMonitor({1920, -120, 4480, 1320}, 0);
         t.InFront({1920, -120, 4480, 1320});
       },
       true, true},
      {"a window larger than its monitor",
       [](RemapContext& t) {
         t.InFront({-3, -3, 1925, 1085});
       },
       true, true},
      {"a window one pixel short of the monitor",
       [](RemapContext& t) {
         t.InFront({0, 0, 1920, 1079});
       },
       false, false},
      {"maximised under an auto-hidden taskbar",
       [](RemapContext& t) {
         t.Desktop().monitors[0].work = t.Desktop().monitors[0].monitor;
         t.Desktop().Maximize(t.InFront({10, 10, 300, 300}));
       },
       false, false},
      {"the desktop (the shell's window)",
       [](RemapContext& t) { t.Desktop().foreground = t.Desktop().shellWindow; }, false, false},
      {"the desktop's wallpaper window",
       [](RemapContext& t) {
         t.InFront({0, 0, 1920, 1080}, "WorkerW", 1200);
       },
       false, false},
      {"an ordinary window, the pointer confined",
       [](RemapContext& t) {
         t.Ordinary();
         const win::RECT clip{200, 200, 800, 600};
         t.Desktop().ClipCursor(&clip);
       },
       true, true},
      {"the pointer confined to the whole screen",
       [](RemapContext& t) {
         t.Ordinary();
         const win::RECT clip{-50, -50, 4000, 4000};  // cut to the screen
         t.Desktop().ClipCursor(&clip);
       },
       false, false},
      {"an elevated window",
       [](RemapContext& t) {
         t.InFront({100, 100, 900, 700}, "Installer", kAdmin);
         t.Desktop().SetIntegrityLevel(kAdmin, win::SECURITY_MANDATORY_HIGH_RID);
       },
       true, false},
      {"a process whose token cannot be queried",
       [](RemapContext& t) {
         t.InFront({100, 100, 900, 700}, "Console", kAdmin + 1);
         t.Desktop().SetIntegrityLevel(kAdmin + 1, std::nullopt);
       },
       true, false},
      {"a process at a lower level",
       [](RemapContext& t) {
         t.InFront({100, 100, 900, 700}, "Sandboxed", kAdmin + 2);
         t.Desktop().SetIntegrityLevel(kAdmin + 2, win::SECURITY_MANDATORY_LOW_RID);
       },
       false, false},
      {"paused",
       [](RemapContext& t) {
         t.Ordinary();
         t.Main().PauseRemapping(true);
       },
       true, true},
  };
  for (const Row& row : rows) {
    world_.foreground = sim::SimForeground();
    Main().PauseRemapping(false);
    row.arrange(*this);
    const Outcome side1 = ClickAndSee(win::WM_XBUTTONDOWN, kX1);
    const Outcome side2 = ClickAndSee(win::WM_XBUTTONDOWN, kX2);
    const Outcome wheel = ClickAndSee(win::WM_MBUTTONDOWN, 0);
    EXPECT_EQ(side1.passed, row.sidePasses) << row.what;
    const std::vector<SimKey> none;
    EXPECT_EQ(side1.keys, (row.sidePasses ? none : std::vector<SimKey>{kBackDown, kBackUp}))
        << row.what;
    EXPECT_EQ(side2.passed, row.sidePasses) << row.what;
    EXPECT_EQ(side2.keys, (row.sidePasses ? none : std::vector<SimKey>{kForwardDown, kForwardUp}))
        << row.what;
    EXPECT_EQ(wheel.passed, row.wheelPasses) << row.what;
    EXPECT_EQ(wheel.launches, row.wheelPasses ? 0 : 1) << row.what;
    EXPECT_TRUE(wheel.keys.empty()) << row.what;
  }
}

// The foreground changes (or the user pauses) while a button is held: the
// release goes the way its press went, and a key that went down goes up.
TEST_F(RemapContext, AReleaseFollowsItsPressWhateverCameToTheFrontMeanwhile) {
  struct Row {
    const char* what;
    std::function<void(RemapContext&)> before, between;
    bool passes;
    std::vector<SimKey> keys;
  };
  const auto ordinary = [](RemapContext& t) { t.Ordinary(); };
  const auto game = [](RemapContext& t) { t.FullScreen(); };
  const auto pause = [](RemapContext& t) { t.Main().PauseRemapping(true); };
  const Row rows[] = {
      {"remapped, released in a game", ordinary, game, false, {kBackDown, kBackUp}},
      {"pressed in a game, released elsewhere", game, ordinary, true, {}},
      {"remapped, paused, released", ordinary, pause, false, {kBackDown, kBackUp}},
  };
  for (const Row& row : rows) {
    world_.foreground = sim::SimForeground();
    Main().PauseRemapping(false);
    for (const win::UINT down : {win::WM_XBUTTONDOWN, win::WM_MBUTTONDOWN}) {
      const win::DWORD data = down == win::WM_XBUTTONDOWN ? kX1 : 0;
      row.before(*this);
      world_.input.keys.clear();
      const bool pressPassed = world_.input.SendMouseEvent(down, data);
      row.between(*this);
      EXPECT_EQ(world_.input.SendMouseEvent(down + 1, data), pressPassed) << row.what;
      EXPECT_EQ(pressPassed, row.passes) << row.what;
      if (down == win::WM_XBUTTONDOWN) {
        EXPECT_EQ(world_.input.keys, row.keys) << row.what;
      }
      Main().PauseRemapping(false);
    }
    world_.windowing.DispatchPosted();
  }
}

TEST_F(RemapContext, TheDesktopIsAskedAtPressesOnlyAndATokenOncePerProcessInFront) {
  const win::HWND admin = InFront({100, 100, 900, 700}, "Installer", kAdmin);
  Desktop().SetIntegrityLevel(kAdmin, win::SECURITY_MANDATORY_HIGH_RID);
  const win::HWND other = InFront({100, 100, 900, 700}, "Notepad", 5000);
  for (const win::HWND front : {admin, admin, admin, other, other, admin}) {
    Desktop().foreground = front;
    ClickAndSee(win::WM_XBUTTONDOWN, kX1);
    world_.input.SendMouseEvent(win::WM_MOUSEMOVE, 0, {5, 5});
  }
  EXPECT_EQ(Desktop().levelQueries[kAdmin], 2) << "once per time it came to the front";
  EXPECT_EQ(Desktop().levelQueries[5000], 1);
  EXPECT_EQ(Desktop().levelQueries[Desktop().currentProcess], 1) << "our own level, once";

  // Pointer moves, wheel turns and the other buttons never ask the desktop.
  Desktop().queries = 0;
  Desktop().foreground = admin;
  for (const win::UINT message : {win::WM_MOUSEMOVE, win::WM_MOUSEWHEEL, win::WM_LBUTTONDOWN,
                                  win::WM_LBUTTONUP, win::WM_RBUTTONDOWN}) {
    world_.input.SendMouseEvent(message, 0, {7, 7});
  }
  EXPECT_EQ(Desktop().queries, 0);
  // Nor does a release whose press decided already.
  world_.input.SendMouseEvent(win::WM_XBUTTONDOWN, kX1);
  const int afterPress = Desktop().queries;
  EXPECT_GT(afterPress, 0);
  world_.input.SendMouseEvent(win::WM_XBUTTONUP, kX1);
  EXPECT_EQ(Desktop().queries, afterPress);
}

TEST_F(RemapContext, TheTrayMenuPausesAndResumesWithoutStoringAnything) {
  ClickButton(Main().btnClose);
  const auto stored = StoredInOrder();
  const auto tip = [this] { return world_.shell.icons.at({Main().form.hWnd(), 1u}); };
  ASSERT_EQ(tip(), "KV-3050P Setup");

  ChooseInTrayMenu("Pause button remapping");
  ASSERT_EQ(world_.windowing.popups.size(), 1u);
  EXPECT_EQ(world_.windowing.popups[0].items[2], "Pause button remapping");
  EXPECT_EQ(world_.windowing.popups[0].checked, (std::vector<bool>{false, false, false, false}));
  EXPECT_TRUE(Main().RemappingPaused());
  EXPECT_EQ(world_.shell.notifyCalls.back().message, win::NIM_MODIFY);
  EXPECT_EQ(tip(), "KV-3050P Setup (remapping paused)");
  EXPECT_TRUE(ClickAndSee(win::WM_XBUTTONDOWN, kX1).passed);
  EXPECT_TRUE(ClickAndSee(win::WM_MBUTTONDOWN, 0).passed);

  // The watchdog sees the paused hook at work and leaves it alone.
  const win::HHOOK hook = modHooking::hMouseHook;
  for (int x = 0; x < 5; ++x) {
    world_.input.SendMouseEvent(win::WM_MOUSEMOVE, 0, {x, 1});
    world_.timers.Advance(1000);
  }
  EXPECT_EQ(modHooking::hMouseHook, hook);

  // Shown and hidden again, the icon keeps telling the pause.
  Window().Send(win::WM_MOUSEMOVE, 1, 513);
  ClickButton(Main().btnCancel);
  EXPECT_EQ(tip(), "KV-3050P Setup (remapping paused)");

  ChooseInTrayMenu("Pause button remapping");
  EXPECT_EQ(world_.windowing.popups.back().checked, (std::vector<bool>{false, false, true, false}));
  EXPECT_FALSE(Main().RemappingPaused());
  EXPECT_EQ(tip(), "KV-3050P Setup");
  EXPECT_EQ(ClickAndSee(win::WM_XBUTTONDOWN, kX1).keys, (std::vector<SimKey>{kBackDown, kBackUp}));
  EXPECT_EQ(StoredInOrder(), stored);
}

}  // namespace
