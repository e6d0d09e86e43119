// What the mouse hook costs the desktop. Every mouse event of every
// application waits for the hook procedure, so a pass-through event (a pointer
// move) must cost little beyond handing it on, and no event may wait for a
// program start or for the window's thread: Windows drops a hook that
// overruns its timeout.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "platform/Services.h"
#include "remap/modHooking.h"
#include "shell/frmMain.h"
#include "support/sim/SimWorld.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

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
  return Seconds(start, Clock::now()) * 1e9 / calls;
}

// Both procedures in one run, in alternating batches, so that both see the
// same machine. The medians of the batches give each one's cost and their
// ratio, so a batch another process interrupted does not count.
void PointerMovePassThrough(benchmark::State& state) {
  testing_support::SimWorld world;
  frmMain window;
  window.Start();
  const win::MSLLHOOKSTRUCT record{{640, 512}, 0, 0, 1000, 0};
  constexpr int kBatch = 1000;
  std::vector<double> hook;
  std::vector<double> nextOnly;
  for (auto _ : state) {
    hook.push_back(NanosecondsPerCall(&modHooking::MouseHookProc, record, kBatch));
    nextOnly.push_back(NanosecondsPerCall(&NextOnly, record, kBatch));
  }
  state.counters["hook_ns"] = Median(hook);
  state.counters["next_only_ns"] = Median(nextOnly);
  state.counters["ratio"] = Median(hook) / Median(nextOnly);
  state.SetItemsProcessed(state.iterations() * kBatch * 2);
}
BENCHMARK(PointerMovePassThrough);

// A wheel click chosen to start the file manager while the shell takes
// 200 ms to start it, and the pointer moves the mouse sends meanwhile. The
// delay a move queued right behind the click waits for its hook call is
// measured twice in each round: as the program runs (the start handed to a
// worker), and with the worker's start awaited by the loop, as when the loop
// started programs itself: the baseline the ratio compares with. Then every
// move sent while the start is in progress, at a mouse's report rate, has its
// hook call timed.
void PointerMovesWhileAStartIsSlow(benchmark::State& state) {
  testing_support::SimWorld world;
  std::atomic<bool> starting{false};
  world.shell.duringLaunch = [&starting](const sim::SimLaunch&) {
    starting = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    starting = false;
  };
  frmMain window;
  window.Start();
  world.windowing.Combo(window.cmbWButton.hWnd())->UserChooses("File Manager");
  const auto delayBehindClick = [&world] {
    const auto clicked = Clock::now();
    world.input.SendMouseEvent(win::WM_MBUTTONDOWN);
    world.input.SendMouseEvent(win::WM_MBUTTONUP);
    world.windowing.DispatchPosted();
    world.input.SendMouseEvent(win::WM_MOUSEMOVE, 0, {1, 1});
    return Seconds(clicked, Clock::now());
  };
  double worstDelay = 0;
  double shortestBlockedDelay = 1e9;
  double longestMoveHook = 0;
  std::vector<double> roundLongest;
  long movesDuringStart = 0;
  for (auto _ : state) {
    world.threads.finishBeforeReturning = false;
    worstDelay = std::max(worstDelay, delayBehindClick());
    while (!starting) std::this_thread::yield();
    // A mouse that reports a thousand times a second.
    auto due = Clock::now();
    roundLongest.push_back(0);
    for (int x = 0; starting; ++x) {
      const auto sent = Clock::now();
      world.input.SendMouseEvent(win::WM_MOUSEMOVE, 0, {x, 2});
      roundLongest.back() = std::max(roundLongest.back(), Seconds(sent, Clock::now()));
      longestMoveHook = std::max(longestMoveHook, roundLongest.back());
      ++movesDuringStart;
      due += std::chrono::milliseconds(1);
      std::this_thread::sleep_until(due);
    }
    world.threads.Join();
    world.input.received.clear();

    world.threads.finishBeforeReturning = true;
    shortestBlockedDelay = std::min(shortestBlockedDelay, delayBehindClick());
  }
  state.counters["delay_behind_click_us"] = worstDelay * 1e6;
  state.counters["blocked_loop_delay_ms"] = shortestBlockedDelay * 1e3;
  state.counters["delay_ratio"] = worstDelay / shortestBlockedDelay;
  state.counters["longest_move_hook_us"] = longestMoveHook * 1e6;
  state.counters["moves_during_start"] = static_cast<double>(movesDuringStart);
  if (world.shell.launches.size() != 2 * static_cast<std::size_t>(state.iterations())) {
    state.SkipWithError("not every click started the program");
  }
  if (movesDuringStart == 0) state.SkipWithError("no move was served while a start ran");
  // The hook's thread may lose its core to another process now and then.
  if (Median(roundLongest) >= 1e-3) {
    state.SkipWithError("in most rounds a pointer move's hook call took 1 ms or more");
  }
}
BENCHMARK(PointerMovesWhileAStartIsSlow)->Iterations(5)->Unit(benchmark::kMillisecond);

win::LRESULT PassOn(int nCode, win::WPARAM wParam, win::LPARAM lParam) {
  return platform::Use<platform::Input>().CallNextHookEx(0, nCode, wParam, lParam);
}

// The window's thread busy for 200 ms in a handler that blocks, and the
// pointer moves a mouse sends meanwhile, a thousand a second: the longest
// time one of them waited, over all rounds and in the median round. Each round runs twice: as the
// program runs, its hook on a thread of its own; and with a pass-through hook of the window's
// thread in front of it, as when the program's hook lived there: the
// baseline.
void PointerMovesWhileTheWindowIsBusy(benchmark::State& state) {
  testing_support::SimWorld world;
  frmMain window;
  window.Start();
  constexpr win::UINT kBlock = win::WM_APP + 40;
  std::atomic<bool> busy{false};
  window.form.OnMessage(kBlock, [&busy](win::WPARAM, win::LPARAM) {
    busy = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    busy = false;
    return win::LRESULT{0};
  });
  long moves = 0;
  // The longest wait of one round's moves.
  const auto round = [&world, &window, &busy, &moves] {
    std::atomic<bool> finished{false};
    double longest = 0;
    std::thread desktop([&] {
      while (!busy) std::this_thread::yield();
      auto due = Clock::now();
      for (int x = 0; busy; ++x) {
        const auto sent = Clock::now();
        world.input.SendMouseEvent(win::WM_MOUSEMOVE, 0, {x, 3});
        longest = std::max(longest, Seconds(sent, Clock::now()));
        ++moves;
        due += std::chrono::milliseconds(1);
        std::this_thread::sleep_until(due);
      }
      finished = true;
    });
    world.windowing.PostMessageA(window.form.hWnd(), kBlock, 0, 0);
    // The message loop: the block, then whatever the system sends it.
    while (!finished) {
      world.windowing.DispatchPosted();
      std::this_thread::yield();
    }
    desktop.join();
    world.input.received.clear();
    return longest;
  };
  std::vector<double> longestMoves;
  double shortestBaseline = 1e9;
  for (auto _ : state) {
    longestMoves.push_back(round());
    const win::HHOOK windows =
        world.input.SetWindowsHookExA(win::WH_MOUSE_LL, &PassOn, 0x10000000, 0);
    shortestBaseline = std::min(shortestBaseline, round());
    world.input.UnhookWindowsHookEx(windows);
  }
  const double typical = Median(longestMoves);
  state.counters["longest_move_delay_us"] =
      *std::max_element(longestMoves.begin(), longestMoves.end()) * 1e6;
  state.counters["median_round_longest_us"] = typical * 1e6;
  state.counters["window_thread_hook_delay_ms"] = shortestBaseline * 1e3;
  state.counters["moves_while_busy"] = static_cast<double>(moves);
  if (moves == 0) state.SkipWithError("no move was sent while the window was busy");
  // A move another process kept from its core now and then is the machine;
  // one in every round is the program.
  if (typical >= 1e-3) state.SkipWithError("in most rounds a pointer move waited 1 ms or more");
}
BENCHMARK(PointerMovesWhileTheWindowIsBusy)->Iterations(9)->Unit(benchmark::kMillisecond);

}  // namespace
