// kernel32 threads, their message queues and the COM apartment of each: the
// short-lived workers that start programs for the window's thread, and the
// one long-lived thread that serves the mouse hook, which every mouse event
// of the desktop waits for.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/WinTypes.h"

namespace win {

using HRESULT = std::int32_t;

constexpr HRESULT S_OK = 0;
// Already initialised on this thread in the same model: balanced all the same.
constexpr HRESULT S_FALSE = 1;
// Already initialised on this thread in the other model.
constexpr HRESULT RPC_E_CHANGED_MODE = static_cast<HRESULT>(0x80010106);

constexpr bool SUCCEEDED(HRESULT result) { return result >= 0; }

// CoInitializeEx models and options.
constexpr DWORD COINIT_MULTITHREADED = 0x0;
constexpr DWORD COINIT_APARTMENTTHREADED = 0x2;
constexpr DWORD COINIT_DISABLE_OLE1DDE = 0x4;

constexpr UINT WM_QUIT = 0x0012;

// A message posted to a thread rather than to a window.
struct ThreadMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

}  // namespace win

namespace platform {

// A thread whose end someone waits for (the handle CreateThread answers).
// Letting go of it leaves the thread running.
class Thread {
 public:
  virtual ~Thread() = default;
  [[nodiscard]] virtual win::DWORD Id() const = 0;
  // Waits at most this long for the thread to end; true when it has.
  [[nodiscard]] virtual bool Join(win::DWORD milliseconds) = 0;
};

class Threads {
 public:
  virtual ~Threads() = default;
  // Runs work on a new thread of the process, which ends when work returns
  // (CreateThread). False when no thread could be made: work has not run and
  // never will.
  [[nodiscard]] virtual bool CreateThread(std::function<void()> work) = 0;
  // Joins the calling thread to COM in the given model. Every call that
  // succeeds (S_OK or S_FALSE) is balanced by one CoUninitialize on the same
  // thread; a call that fails is not.
  [[nodiscard]] virtual win::HRESULT CoInitializeEx(win::DWORD coInit) = 0;
  virtual void CoUninitialize() = 0;

  // Runs work on a new thread that lasts and can be waited for; null when no
  // thread could be made (work has not run and never will).
  [[nodiscard]] virtual std::unique_ptr<Thread> StartThread(std::function<void()> work) = 0;
  [[nodiscard]] virtual win::DWORD GetCurrentThreadId() = 0;
  // Gives the calling thread a message queue (PeekMessageA with
  // PM_NOREMOVE): from then on messages can be posted to it.
  virtual void MakeMessageQueue() = 0;
  // Queues a message for a thread that has a queue; FALSE otherwise.
  [[nodiscard]] virtual win::BOOL PostThreadMessageA(win::DWORD threadId, win::UINT message,
                                                     win::WPARAM wParam, win::LPARAM lParam) = 0;
  // The calling thread's next posted message (GetMessageA for no window).
  // While it waits, the thread serves what the system sends it, among them
  // the calls of the low-level hooks it installed. False for WM_QUIT or when
  // the queue failed: the loop ends.
  [[nodiscard]] virtual bool GetMessageA(win::ThreadMessage* message) = 0;
};

}  // namespace platform
