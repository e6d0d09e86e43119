// Input in memory: a chain of low-level mouse hooks that sees each mouse
// event tests send, newest hook first, as Windows calls them; what no hook
// consumes reaches the applications (recorded) and moves the pointer, and
// every synthesised key is recorded in order. Like Windows, it can drop a
// hook without telling its owner.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "platform/Input.h"

namespace sim {

struct SimHook {
  win::HHOOK handle;
  int idHook;
  win::HOOKPROC procedure;
  win::HINSTANCE module;
  win::DWORD threadId;
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

  // Installed hooks, newest first.
  const std::vector<SimHook>& Hooks() const { return chain_; }
  bool IsInstalled(win::HHOOK hook) const;
  // Removes a hook without a word to its owner, as Windows removes one that
  // overran the hook timeout; the handle is dead from then on.
  void DropHook(win::HHOOK hook);

  // Installations fail while this is set, as when the system refuses a hook.
  bool refuseHooks = false;
  std::vector<SimKey> keys;
  std::vector<SimMouseEvent> received;  // by the applications, in order
  // Where the pointer goes when an event reaches the applications (the
  // desktop's cursor); nothing when unset.
  std::function<void(win::POINT)> moveCursor;

 private:
  // One hook call in progress: where in the chain (as it was when the event
  // arrived; the snapshot lives as long as the event travels) the running
  // procedure stands.
  struct Frame {
    const std::vector<win::HHOOK>* chain;
    std::size_t position;
  };
  win::LRESULT CallFrom(const std::vector<win::HHOOK>& chain, std::size_t position, int nCode,
                        win::WPARAM wParam, win::LPARAM lParam);

  std::vector<SimHook> chain_;
  std::vector<Frame> running_;
  win::HHOOK next_ = 0x20001;
  // Milliseconds of the session; every input event takes one.
  win::DWORD clock_ = 1000;
  win::DWORD lastInput_ = 0;
};

}  // namespace sim
