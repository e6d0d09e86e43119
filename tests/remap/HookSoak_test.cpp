// A million mouse events through the running program's hook, on its own
// thread, with another program's older hook behind it: every message a
// low-level hook sees, any mouseData, injected or not, now and then a
// negative hook code, the choices changing all the while from another
// thread, the foreground (an ordinary window, a game, an elevated window, a
// confined pointer) and the pause changing between presses and releases, and
// the hook dropped by the system (and put back by the watchdog) or put back
// on a false alarm. After every event the promises hold that no single case
// can show.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <random>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "remap/modHooking.h"
#include "shell/frmMain.h"
#include "support/sim/SideButtons.h"
#include "support/sim/SimWorld.h"

namespace {

using namespace testing_support::side_buttons;
// The older hook counts what reaches it and answers negative codes with a
// value of its own, so that a test can tell its answer came back.
int olderCalls = 0;
constexpr win::LRESULT kOlderAnswer = 77;
win::LRESULT OlderHook(int nCode, win::WPARAM wParam, win::LPARAM lParam) {
  ++olderCalls;
  if (nCode < 0) return kOlderAnswer;
  return platform::Use<platform::Input>().CallNextHookEx(0, nCode, wParam, lParam);
}

struct Event {
  int nCode;
  win::UINT message;
  win::DWORD mouseData;
  win::DWORD flags;
  win::POINT pt;
  std::string Describe() const {
    return "nCode " + std::to_string(nCode) + " message " + std::to_string(message) +
           " mouseData " + std::to_string(mouseData) + " flags " + std::to_string(flags);
  }
};

class Generator {
 public:
  explicit Generator(unsigned seed) : random_(seed) {}
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  win::DWORD Any() { return static_cast<win::DWORD>(random_()); }

  Event Next() {
    // What a low-level hook sees: no double-clicks, those come later.
    static constexpr win::UINT kMessages[] = {
        win::WM_MOUSEMOVE, win::WM_LBUTTONDOWN, win::WM_LBUTTONUP,   win::WM_RBUTTONDOWN,
        win::WM_RBUTTONUP, win::WM_MBUTTONDOWN, win::WM_MBUTTONUP,   win::WM_XBUTTONDOWN,
        win::WM_XBUTTONUP, win::WM_MOUSEWHEEL,  win::WM_MOUSEHWHEEL, win::WM_MBUTTONDOWN,
        win::WM_MBUTTONUP, win::WM_XBUTTONDOWN, win::WM_XBUTTONUP,   win::WM_XBUTTONDOWN,
        win::WM_XBUTTONUP};
    Event event{};
    event.nCode = Below(20) == 0 ? -1 - Below(3) : win::HC_ACTION;
    event.message = kMessages[Below(static_cast<int>(std::size(kMessages)))];
    const bool side = event.message == win::WM_XBUTTONDOWN || event.message == win::WM_XBUTTONUP;
    if (side) {
      // Mostly the two side buttons, sometimes a value that names neither.
      static constexpr win::DWORD kNoButton[] = {0, 0x30000, 0x10001, 0x20000001, 1};
      const int pick = Below(10);
      event.mouseData = pick < 4 ? kX1 : pick < 8 ? kX2 : pick == 8 ? kNoButton[Below(5)] : Any();
    } else {
      event.mouseData = Below(2) == 0 ? 0 : Any();
    }
    event.flags = Below(4) == 0 ? win::LLMHF_INJECTED : 0;
    pointer_.x = (pointer_.x + Below(21) - 10 + 1920) % 1920;
    pointer_.y = (pointer_.y + Below(21) - 10 + 1080) % 1080;
    event.pt = pointer_;
    return event;
  }

 private:
  std::mt19937 random_;
  win::POINT pointer_{960, 540};
};

// A million, or what KV_SOAK_EVENTS says: the sanitizer tiers run a tenth,
// as the faults and races they look for show in fewer events, each of which
// costs them many times more.
int SoakEvents() {
  const char* events = std::getenv("KV_SOAK_EVENTS");
  const int asked = events != nullptr ? std::atoi(events) : 0;
  return asked > 0 ? asked : 1'000'000;
}

TEST(HookSoak, AMillionEventsKeepEveryPromise) {
  const int events = SoakEvents();
  testing_support::SimWorld world;
  // Starts are handed over and refused: a million clicks' worth of threads
  // would prove nothing more.
  world.threads.refuseThreads = true;
  olderCalls = 0;
  ASSERT_NE(world.input.SetWindowsHookExA(win::WH_MOUSE_LL, &OlderHook, 0x10000000, 0), 0u);
  frmMain window;
  ASSERT_TRUE(window.Start());
  // The window's thread pushes choices while the events arrive, never in
  // step with them.
  std::atomic<int> choicesMade{0};
  std::jthread chooser([&window, &choicesMade](const std::stop_token& soaked) {
    const std::vector<std::string> wheel = {"No use", "IExplorer", "File Manager", "Excel"};
    const std::vector<std::string> side = {"Backward", "Forward", "No use"};
    Generator pick(7);
    while (!soaked.stop_requested()) {
      window.remapEngine.SetChoices(wheel[pick.Below(4)], side[pick.Below(3)], side[pick.Below(3)]);
      ++choicesMade;
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
  });

  // What may come to the front, and whether each holds the side buttons and
  // the wheel button.
  sim::SimForeground& desktop = world.foreground;
  desktop.SetIntegrityLevel(6000, win::SECURITY_MANDATORY_HIGH_RID);
  desktop.SetIntegrityLevel(6001, std::nullopt);
  struct Front {
    win::HWND window;
    bool sidePasses;
    bool wheelPasses;
  };
  const Front fronts[] = {
      {desktop.AddWindow({100, 100, 900, 700}, "Notepad", 5000), false, false},
      {desktop.AddWindow({0, 0, 1920, 1080}, "Game", 5001), true, true},
      {desktop.AddWindow({100, 100, 900, 700}, "Installer", 6000), true, false},
      {desktop.AddWindow({0, 0, 800, 600}, "Console", 6001), true, false},
      {desktop.shellWindow, false, false},
      {0, false, false},
  };
  const Front* front = &fronts[0];
  desktop.foreground = front->window;
  bool confined = false;
  bool paused = false;

  Generator generate(20241101);
  std::array<bool, 256> keyDown{};
  std::size_t keysChecked = 0;
  std::array<bool, 2> sideHeld{};
  std::array<bool, 2> sidePressPassed{};
  int sidePassed = 0;
  bool wheelHeld = false;
  bool wheelPressPassed = false;
  int launchesHandedOver = 0;
  int reinstalls = 0;
  int drops = 0;

  for (int i = 0; i < events; ++i) {
    const int happening = generate.Below(1000);
    if (happening == 20) {
      // The system drops the hook; the mouse moves past it; the watchdog's
      // next look but one puts it back.
      world.input.DropHook(modHooking::hMouseHook);
      world.timers.Advance(1000);
      // Below the generator's screen, and never where the last drop left it.
      world.input.SendMouseEvent(win::WM_MOUSEMOVE, 0, {generate.Below(1920), 1100 + drops++ % 2});
      world.timers.Advance(1000);
      world.threads.Settle();
      ASSERT_EQ(world.input.Hooks().size(), 2u) << "event " << i << ": the hook is back";
      ++reinstalls;
    } else if (happening == 21) {
      // A false alarm: the session unlocked, the hook never went away.
      world.windowing.Form(window.form.hWnd())
          ->Send(win::WM_WTSSESSION_CHANGE, win::WTS_SESSION_UNLOCK, 0);
      world.threads.Settle();
      ASSERT_EQ(world.input.Hooks().size(), 2u) << "event " << i << ": one hook of ours";
      ++reinstalls;
    } else if (happening < 30) {
      front = &fronts[generate.Below(static_cast<int>(std::size(fronts)))];
      desktop.foreground = front->window;
    } else if (happening < 33) {
      confined = !confined;
      const win::RECT clip{0, 0, 1000, 1000};
      desktop.ClipCursor(confined ? &clip : nullptr);
    } else if (happening < 36) {
      paused = !paused;
      window.PauseRemapping(paused);
    }

    const Event event = generate.Next();
    const int olderBefore = olderCalls;
    bool passed = false;
    if (event.nCode < 0) {
      const win::MSLLHOOKSTRUCT record{event.pt, event.mouseData, event.flags, 0, 0};
      ASSERT_EQ(world.input.RunHooks(event.nCode, event.message, record), kOlderAnswer)
          << "event " << i << ": " << event.Describe();
      passed = true;
    } else {
      passed = world.input.SendMouseEvent(event.message, event.mouseData, event.pt, event.flags);
    }
    // What our hook does not consume reaches the next hook, exactly once.
    ASSERT_EQ(olderCalls - olderBefore, passed ? 1 : 0)
        << "event " << i << ": " << event.Describe();

    if (event.nCode == win::HC_ACTION) {
      const bool side = event.message == win::WM_XBUTTONDOWN || event.message == win::WM_XBUTTONUP;
      const bool sidePasses = paused || confined || front->sidePasses;
      const bool wheelPasses = paused || confined || front->wheelPasses;
      const int button = event.mouseData == kX1 ? 0 : event.mouseData == kX2 ? 1 : -1;
      const bool down = event.message == win::WM_XBUTTONDOWN;
      if (side && (down || button < 0 || !sideHeld[button])) {
        // A press, or what nothing pairs: as the context says.
        ASSERT_EQ(passed, sidePasses) << "event " << i << ": " << event.Describe();
      } else if (side) {
        ASSERT_EQ(passed, sidePressPassed[button])
            << "event " << i << ": a release went another way than its press";
      }
      if (side && button >= 0) {
        sideHeld[button] = down;
        if (down) sidePressPassed[button] = passed;
      }
      if (side && passed) ++sidePassed;
      if (event.message == win::WM_MBUTTONDOWN) {
        wheelHeld = true;
        wheelPressPassed = passed;
        if (!passed) ++launchesHandedOver;
        // Whether it starts a program depends on the choice the other thread
        // made last; a game or the pause always keeps it.
        if (wheelPasses) {
          ASSERT_TRUE(passed) << "event " << i << ": the wheel press";
        }
      } else if (event.message == win::WM_MBUTTONUP && wheelHeld) {
        ASSERT_EQ(passed, wheelPressPassed) << "event " << i << ": half a wheel click went through";
        wheelHeld = false;
      }
    }

    // Each browser key goes up exactly once before it goes down again.
    const auto& keys = world.input.keys;
    for (; keysChecked < keys.size(); ++keysChecked) {
      const sim::SimKey& key = keys[keysChecked];
      ASSERT_TRUE(key.bVk == win::VK_BROWSER_BACK || key.bVk == win::VK_BROWSER_FORWARD)
          << "event " << i;
      const bool up = key.dwFlags == win::KEYEVENTF_KEYUP;
      ASSERT_EQ(keyDown[key.bVk], up)
          << "event " << i << ": key " << int(key.bVk) << (up ? " up twice" : " down twice");
      keyDown[key.bVk] = !up;
    }
    // With both side buttons released, no key is down.
    if (!sideHeld[0] && !sideHeld[1]) {
      ASSERT_FALSE(keyDown[win::VK_BROWSER_BACK] || keyDown[win::VK_BROWSER_FORWARD])
          << "event " << i << ": a key stays down";
    }

    if (i % 4096 == 0) {
      world.input.received.clear();
      world.input.keys.clear();
      keysChecked = 0;
    }
  }
  chooser.request_stop();
  chooser.join();
  EXPECT_GT(choicesMade, 100);
  // Every consumed wheel press handed its start over, and no start ran.
  EXPECT_EQ(world.windowing.DispatchPosted(), launchesHandedOver);
  EXPECT_TRUE(world.shell.launches.empty());
  EXPECT_GT(reinstalls, events / 1000);
  EXPECT_GT(launchesHandedOver, events / 1000);
  EXPECT_GT(sidePassed, events / 100) << "side buttons reached games";
}

}  // namespace
