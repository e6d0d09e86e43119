// A second start, or any other write of the wake-up flag, brings the running
// copy's window back at once (no timer tick), once, in front and on a screen.
#include "shell/WakeUp.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/frmMain.h"
#include "support/RegistryTools.h"
#include "support/sim/SimWorld.h"

namespace {

constexpr win::DWORD kRunning = 1000;  // the sim's process id of the copy under test
constexpr win::DWORD kOtherApplication = 77;

// One sign-in with the program running in it, started with this command line.
class Session {
 public:
  explicit Session(const char* commandLine = "KV3050PSetup.exe") {
    world.process.commandLine = commandLine;
    main = std::make_unique<frmMain>();
    EXPECT_TRUE(main->Start());
  }

  // A second copy the user starts, as its own process in the same session;
  // the user's start gives it the foreground right unless told otherwise.
  void SecondStart(win::DWORD process, bool ownsForeground = true) {
    world.process.processId = process;
    world.process.anotherInstance = true;
    if (ownsForeground) world.windowing.UserSwitchesTo(process);
    {
      frmMain second;
      EXPECT_FALSE(second.Start());
      EXPECT_EQ(world.process.exitCode, 0u) << "the second copy ends at once";
    }
    world.process.exitCode.reset();
    world.process.anotherInstance = false;
    world.process.processId = kRunning;
  }
  // The running copy's message loop gets its turn; no time passes.
  void RunLoop() { world.windowing.DispatchPosted(); }
  void Click(const controls::ButtonExHost& button) {
    world.desktop.Surface(button.hWnd())->Click();
  }
  // Another program writes the flag.
  void Store(const std::string& text) {
    ASSERT_TRUE(testing_support::SetRaw(world.registry, win::HKEY_CURRENT_USER,
                                        "Control Panel\\Mouse", "DoPopup", win::REG_SZ,
                                        text + '\0'));
  }
  std::string Flag() {
    const auto value = testing_support::QueryRaw(world.registry, win::HKEY_CURRENT_USER,
                                                 "Control Panel\\Mouse", "DoPopup");
    return value ? std::string(value->data.c_str()) : "<missing>";
  }

  sim::SimFormWindow& Window() { return *world.windowing.Form(main->form.hWnd()); }
  bool IconPresent() { return !world.shell.icons.empty(); }
  bool InTray() { return !Window().IsWindowVisible() && Window().IsIconic() && IconPresent(); }
  bool Shown() { return Window().IsWindowVisible() && !Window().IsIconic() && !IconPresent(); }
  bool InFront() { return world.windowing.foreground == main->form.hWnd(); }
  long Restores() {
    const auto& commands = Window().ShowCommands();
    return std::count(commands.begin(), commands.end(), win::SW_RESTORE);
  }

  testing_support::SimWorld world;
  std::unique_ptr<frmMain> main;  // goes before its world
};

TEST(WakeUp, ASecondStartBringsTheWindowBackAtOnceAndInFrontFromEveryState) {
  struct Case {
    const char* state;
    std::function<void(Session&)> arrange;
    long restores;  // a window already shown is not restored, only raised
  };
  const Case cases[] = {
      {"in the tray", [](Session& s) { s.Click(s.main->btnClose); }, 1},
      {"minimised", [](Session& s) { s.Click(s.main->btnMin); }, 1},
      {"shown behind another application", [](Session&) {}, 0},
  };
  for (const Case& c : cases) {
    Session s;
    c.arrange(s);
    const platform::PixelRect place = s.Window().WindowRect();
    s.world.windowing.UserSwitchesTo(kOtherApplication);
    const long before = s.Restores();

    s.SecondStart(2000);
    s.RunLoop();
    EXPECT_TRUE(s.Shown()) << c.state;
    EXPECT_TRUE(s.InFront()) << c.state;
    EXPECT_EQ(s.Restores() - before, c.restores) << c.state;
    EXPECT_EQ(s.Window().WindowRect(), place) << c.state << ": a window on screen stays put";
    EXPECT_EQ(s.Flag(), "0") << c.state;
    EXPECT_EQ(s.world.timers.Now(), 0u) << c.state << ": no timer tick was needed";
  }
}

TEST(WakeUp, TheForegroundRightIsHandedOverBeforeAnySignal) {
  Session s;
  s.Click(s.main->btnClose);
  // Every change notification of the flag's key joins the record of calls.
  s.world.registry.postMessage = [&s](win::HWND window, win::UINT message) {
    s.world.windowing.crossProcessCalls.push_back("flag's key changed");
    s.world.windowing.SystemPosts(window, message, 0, 0);
  };
  s.SecondStart(2000);
  const win::UINT wakeUp = s.world.windowing.RegisterWindowMessageA("KV3050PSetup.WakeUp");
  char post[64];
  (void)std::snprintf(post, sizeof post, "PostMessageA 0x%X to 1000", wakeUp);
  EXPECT_EQ(s.world.windowing.crossProcessCalls,
            (std::vector<std::string>{"AllowSetForegroundWindow 1000", "flag's key changed", post}))
      << "the second copy's own window is passed over";
  s.RunLoop();
  EXPECT_TRUE(s.InFront());

  // A copy that never had the foreground (started by a scheduled task, say)
  // has no right to hand on: the window comes back, and Windows keeps it
  // behind the application the user works in.
  s.Click(s.main->btnClose);
  s.world.windowing.UserSwitchesTo(kOtherApplication);
  s.SecondStart(2001, false);
  s.RunLoop();
  EXPECT_TRUE(s.Shown());
  EXPECT_FALSE(s.InFront());
  EXPECT_EQ(s.world.windowing.foregroundProcess, kOtherApplication);
}

TEST(WakeUp, AnyWriteOfTheFlagIsHeardAtOnceButOnlyExactlyOneWakes) {
  Session s("KV3050PSetup.exe -TRAY");
  for (const char* text : {"0", "", "2", "11", "yes", "1 x"}) {
    s.Store(text);
    s.RunLoop();
    EXPECT_TRUE(s.InTray()) << "DoPopup \"" << text << "\"";
    EXPECT_EQ(s.Flag(), text) << "a flag that is no wake-up stays as it is";
  }
  // The key is watched again after each change: twice in a row, each heard.
  for (int round = 0; round < 2; ++round) {
    s.Store("1");
    s.RunLoop();
    EXPECT_TRUE(s.Shown()) << "round " << round;
    EXPECT_EQ(s.Flag(), "0");
    s.Click(s.main->btnClose);
    ASSERT_TRUE(s.InTray());
  }
  EXPECT_EQ(s.world.timers.Now(), 0u);
  EXPECT_EQ(s.world.registry.PendingNotifications(), 1) << "always armed, never twice";
}

TEST(WakeUp, AFloodOfSecondStartsShowsTheWindowOnceAndLeavesTheFlagZero) {
  // However the starts and the running copy's turns interleave.
  for (int startsPerTurn : {1, 3, 7, 20}) {
    Session s("KV3050PSetup.exe -TRAY");
    const long before = s.Restores();
    for (int start = 0; start < 20; ++start) {
      s.SecondStart(static_cast<win::DWORD>(3000 + start));
      if ((start + 1) % startsPerTurn == 0) s.RunLoop();
    }
    s.RunLoop();
    s.world.timers.Advance(3000);  // the fall-back poll finds nothing left
    EXPECT_EQ(s.Restores() - before, 1) << startsPerTurn;
    EXPECT_TRUE(s.Shown()) << startsPerTurn;
    EXPECT_EQ(s.Flag(), "0") << startsPerTurn;
    EXPECT_TRUE(s.world.windowing.messageBoxes.empty()) << startsPerTurn;
  }
}

TEST(WakeUp, ASignalDuringTheExitQuestionOrAHideEndsShownWithoutTheIcon) {
  enum class During { ExitQuestion, Minimise, Hide, TaskbarCloseWhileMinimised };
  struct Case {
    const char* name;
    During during;
    bool nestedLoop;  // the signal is handled inside the step, not after it
  };
  const Case cases[] = {
      {"exit question answered No", During::ExitQuestion, true},
      {"close button, while minimising", During::Minimise, false},
      {"close button, while minimising, nested loop", During::Minimise, true},
      {"close button, while hiding, nested loop", During::Hide, true},
      {"taskbar Close of a minimised window, nested loop", During::TaskbarCloseWhileMinimised,
       true},
  };
  for (const Case& c : cases) {
    Session s;
    bool signalled = false;
    auto signal = [&] {
      if (std::exchange(signalled, true)) return;
      s.SecondStart(2000);
      if (c.nestedLoop) s.RunLoop();
    };
    auto signalAt = [&](int step) {
      s.Window().onShowCommand = [&, step](int command) {
        if (command == step) signal();
      };
    };
    switch (c.during) {
      case During::ExitQuestion:
        s.Click(s.main->btnClose);
        s.world.windowing.whileOpen = [&](const sim::SimMessageBox&) { signal(); };
        s.main->ProgramEnd();
        break;
      case During::Minimise:
      case During::Hide:
        signalAt(c.during == During::Minimise ? win::SW_MINIMIZE : win::SW_HIDE);
        s.Click(s.main->btnClose);
        break;
      case During::TaskbarCloseWhileMinimised:
        s.Click(s.main->btnMin);
        signalAt(win::SW_HIDE);
        s.Window().UserCloses();
        break;
    }
    s.Window().onShowCommand = nullptr;
    s.RunLoop();
    EXPECT_TRUE(signalled) << c.name;
    EXPECT_TRUE(s.Shown()) << c.name;
    EXPECT_FALSE(s.world.process.exitCode) << c.name;
    EXPECT_EQ(s.Flag(), "0") << c.name;
  }
}

TEST(WakeUp, AWindowMostlyOffEveryWorkAreaComesBackCentredOnTheNearest) {
  using platform::MonitorInfo;
  using platform::PixelRect;
  const std::vector<MonitorInfo> one = {{{0, 0, 1280, 1024}, {0, 0, 1280, 984}}};
  // A wide primary and a second monitor to its right, taskbars at the bottom.
  const std::vector<MonitorInfo> two = {{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}},
                                        {{1920, 0, 1280, 1024}, {1920, 0, 1280, 984}}};
  struct Case {
    const char* name;
    std::vector<MonitorInfo> monitors;
    int left, top;  // where the window was left; it is 600 x 548
    PixelRect expected;
    bool fromTrayIcon;
  };
  const Case cases[] = {
      {"far off the only monitor", one, 5000, 5000, {340, 218, 600, 548}, false},
      {"exactly half on the work area across", one, 980, 100, {980, 100, 600, 548}, true},
      {"one column less than half", one, 981, 100, {340, 218, 600, 548}, true},
      {"half on the work area down, above the taskbar", one, 100, 710, {100, 710, 600, 548}, false},
      {"mostly behind the taskbar", one, 100, 711, {340, 218, 600, 548}, false},
      {"right of the second monitor", two, 3300, 100, {2260, 218, 600, 548}, true},
      {"left of the primary", two, -2000, 300, {660, 246, 600, 548}, false},
      {"wholly on the second monitor", two, 2000, 50, {2000, 50, 600, 548}, true},
      {"the second monitor has gone", one, 2000, 50, {340, 218, 600, 548}, false},
  };
  for (const Case& c : cases) {
    Session s;
    s.world.windowing.monitors = two;
    s.Click(s.main->btnClose);
    s.Window().MoveWindow({c.left, c.top, 600, 548});
    s.world.windowing.monitors = c.monitors;
    if (c.fromTrayIcon) {
      s.Window().Send(win::WM_MOUSEMOVE, 0, 513);  // the icon's left press
    } else {
      s.SecondStart(2000);
      s.RunLoop();
    }
    EXPECT_TRUE(s.Shown()) << c.name;
    EXPECT_EQ(s.Window().WindowRect(), c.expected) << c.name;
  }
}

}  // namespace
