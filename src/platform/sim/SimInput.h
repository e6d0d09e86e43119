// Input in memory: a chain of low-level mouse hooks that sees each mouse
// event tests send, newest hook first, as Windows calls them; what no hook
// consumes reaches the applications (recorded) and moves the pointer, and
// every synthesised key is recorded in order. Like Windows, it can drop a
// hook without telling its owner.
//
// Each hook is called on the thread that installed it, through that thread's
// message queue, and the event waits for the call: a thread busy elsewhere
// holds up the desktop's mouse until the hook timeout, when the event goes
// on down the chain and the hook is dropped. A hook of the sending thread
// itself, or of a thread without a queue, is called in place: the test's own
// thread is the desktop's input as well as a program's thread.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <mutex>
#include <vector>

#include "platform/Input.h"

namespace sim {

struct SimHook {
  win::HHOOK handle;
  int idHook;
  win::HOOKPROC procedure;
  win::HINSTANCE module;
  win::DWORD threadId;
  win::DWORD installer;  // the thread that installed it, which serves its calls
};

// A hook its owner removed, and the thread that did.
struct SimUnhook {
  win::HHOOK hook;
  win::DWORD thread;
  bool operator==(const SimUnhook&) const = default;
};

struct SimKey {
  win::BYTE bVk;
  win::BYTE bScan;
  win::DWORD dwFlags;
  win::ULONG_PTR dwExtraInfo;
  bool operator==(const SimKey&) const = default;
};

// A mouse event as the applications received it.
struct SimMouseEvent {
  win::UINT message;
  win::DWORD mouseData;
  bool operator==(const SimMouseEvent&) const = default;
};

class SimInput final : public platform::Input {
 public:
  win::HHOOK SetWindowsHookExA(int idHook, win::HOOKPROC procedure, win::HINSTANCE module,
                               win::DWORD threadId) override;
  win::LRESULT CallNextHookEx(win::HHOOK hook, int nCode, win::WPARAM wParam,
                              win::LPARAM lParam) override;
  win::BOOL UnhookWindowsHookEx(win::HHOOK hook) override;
  void keybd_event(win::BYTE bVk, win::BYTE bScan, win::DWORD dwFlags,
                   win::ULONG_PTR dwExtraInfo) override;
  win::BOOL GetLastInputInfo(win::LASTINPUTINFO* info) override;

  // The mouse does something at pt: the hooks run, newest first, and when the
  // chain answers 0 the event reaches the applications and the pointer goes
  // to pt. Answers whether it did. Every event counts as the session's input.
  bool SendMouseEvent(win::UINT message, win::DWORD mouseData = 0, win::POINT pt = {0, 0},
                      win::DWORD flags = 0);
  // Runs the chain with any hook code, as no real mouse does (Windows gives
  // low-level hooks HC_ACTION only); answers the chain's result.
  win::LRESULT RunHooks(int nCode, win::WPARAM wParam, const win::MSLLHOOKSTRUCT& record);

  // Installed hooks, newest first (read while no event is in flight).
  const std::vector<SimHook>& Hooks() const { return chain_; }
  bool IsInstalled(win::HHOOK hook) const;
  // Removes a hook without a word to its owner, as Windows removes one that
  // overran the hook timeout; the handle is dead from then on.
  void DropHook(win::HHOOK hook);

  // Installations fail while this is set, as when the system refuses a hook.
  std::atomic<bool> refuseHooks = false;
  // How long an event waits for a hook's thread (LowLevelHooksTimeout).
  std::chrono::milliseconds hookTimeout{1000};
  // Read these while no event is in flight.
  std::vector<SimKey> keys;
  std::vector<SimMouseEvent> received;  // by the applications, in order
  std::vector<SimUnhook> unhooks;
  // Where the pointer goes when an event reaches the applications (the
  // desktop's cursor); nothing when unset.
  std::function<void(win::POINT)> moveCursor;

 private:
  win::LRESULT CallFrom(const std::vector<win::HHOOK>& chain, std::size_t position, int nCode,
                        win::WPARAM wParam, win::LPARAM lParam);

  // Guards the chain and the records; never held while a hook runs.
  mutable std::mutex mutex_;
  // One event at a time, as the system delivers them.
  std::mutex events_;
  std::vector<SimHook> chain_;
  win::HHOOK next_ = 0x20001;
  // Milliseconds of the session; every input event takes one.
  std::atomic<win::DWORD> clock_ = 1000;
  std::atomic<win::DWORD> lastInput_ = 0;
};

}  // namespace sim
