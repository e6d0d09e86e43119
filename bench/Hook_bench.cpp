// What the mouse hook costs the desktop. Every mouse event of every
// application waits for the hook procedure, so a pass-through event (a pointer
// move) must cost little beyond handing it on, and no event may wait for a
// program start: Windows drops a hook that overruns its timeout.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/Services.h"
#include "remap/modHooking.h"
#include "shell/frmMain.h"
#include "support/sim/SimWorld.h"

namespace {

using Clock = std::chrono::steady_clock;

// The least a hook procedure can do.
win::LRESULT NextOnly(int nCode, win::WPARAM wParam, win::LPARAM lParam) {
  return platform::Use<platform::Input>().CallNextHookEx(modHooking::hMouseHook, nCode, wParam,
                                                         lParam);
}

template <class Procedure>
double NanosecondsPerCall(Procedure procedure, const win::MSLLHOOKSTRUCT& record, int calls) {
  const auto lParam = reinterpret_cast<win::LPARAM>(&record);
  const auto start = Clock::now();
  for (int i = 0; i < calls; ++i) {
    benchmark::DoNotOptimize(procedure(win::HC_ACTION, win::WM_MOUSEMOVE, lParam));
  }
  return std::chrono::duration<double, std::nano>(Clock::now() - start).count() / calls;
}

// Both procedures in one run, in alternating batches, so that both see the
// same machine; the counters give each one's cost and their ratio.
void PointerMovePassThrough(benchmark::State& state) {
  testing_support::SimWorld world;
  frmMain window;
  window.Start();
  const win::MSLLHOOKSTRUCT record{{640, 512}, 0, 0, 1000, 0};
  constexpr int kBatch = 1000;
  double hook = 0;
  double nextOnly = 0;
  for (auto _ : state) {
    hook += NanosecondsPerCall(&modHooking::MouseHookProc, record, kBatch);
    nextOnly += NanosecondsPerCall(&NextOnly, record, kBatch);
  }
  const auto rounds = static_cast<double>(state.iterations());
  state.counters["hook_ns"] = hook / rounds;
  state.counters["next_only_ns"] = nextOnly / rounds;
  state.counters["ratio"] = hook / nextOnly;
  state.SetItemsProcessed(state.iterations() * kBatch * 2);
}
BENCHMARK(PointerMovePassThrough);

// A wheel click chosen to start the file manager, while the shell takes
// 200 ms to start a program: only the press's own hook call is timed.
void WheelClickWhileLaunchingIsSlow(benchmark::State& state) {
  testing_support::SimWorld world;
  world.shell.duringLaunch = [](const sim::SimLaunch&) {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  };
  frmMain window;
  window.Start();
  world.windowing.Combo(window.cmbWButton.hWnd())->UserChooses("File Manager");
  double longestHook = 0;
  double shortestLaunch = 1e9;
  for (auto _ : state) {
    const auto pressed = Clock::now();
    const bool reached = world.input.SendMouseEvent(win::WM_MBUTTONDOWN);
    const auto returned = Clock::now();
    world.input.SendMouseEvent(win::WM_MBUTTONUP);
    const double hookSeconds = std::chrono::duration<double>(returned - pressed).count();
    state.SetIterationTime(hookSeconds);
    longestHook = std::max(longestHook, hookSeconds);
    if (reached) state.SkipWithError("the press reached the applications");
    // The message loop runs the launch afterwards.
    const auto launching = Clock::now();
    world.windowing.DispatchPosted();
    shortestLaunch =
        std::min(shortestLaunch, std::chrono::duration<double>(Clock::now() - launching).count());
  }
  state.counters["longest_hook_us"] = longestHook * 1e6;
  state.counters["launch_ms"] = shortestLaunch * 1e3;
  if (world.shell.launches.size() != static_cast<std::size_t>(state.iterations())) {
    state.SkipWithError("not every click started the program");
  }
  if (longestHook >= 1e-3) state.SkipWithError("a hook call took 1 ms or more");
}
BENCHMARK(WheelClickWhileLaunchingIsSlow)
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
