// The owner of the process's one low-level mouse hook and of the thread that
// serves it. Windows calls a low-level hook on the thread that installed it,
// and every mouse event of the desktop waits for that call; so the hook lives
// on a thread of its own that does nothing else, and no moment the window's
// thread spends painting, hiding or waiting for the shell holds up the mouse.
// The window's thread starts and ends that thread, and asks it by thread
// message to install the hook again when Windows may have dropped it.
#pragma once

#include <atomic>
#include <future>
#include <memory>

#include "platform/Threads.h"
#include "platform/WinTypes.h"
#include "remap/HookWatchdog.h"
#include "remap/RemapEngine.h"

class clsMouseEvents : public std::enable_shared_from_this<clsMouseEvents> {
 public:
  // How long the window's thread waits for the hook thread's first
  // installation, and for its end.
  static constexpr win::DWORD kStartWaitMilliseconds = 1000;
  static constexpr win::DWORD kEndWaitMilliseconds = 1000;

  // Starts the hook thread, which installs modHooking::MouseHookProc for the
  // whole desktop, and waits until it has tried; decides with engine (which
  // must outlive the hook), hands program starts to window, and makes this
  // object modHooking::objMouseEvents. Ignored while the process's hook
  // thread runs.
  void HookMouseEvents(remap::RemapEngine& engine, win::HWND window);
  // Asks the hook thread to remove the hook and end, waits for it, and
  // empties modHooking::objMouseEvents, which may end this object: nothing of
  // it is used after that. A thread that has not ended in time keeps this
  // object alive, for the end of the process to end them both.
  void UnhookMouseEvents();

  // The watchdog, on each tick of the main window's timer: has the hook
  // installed again when the system delivered mouse input past it (or
  // installation failed before).
  void KeepHookAlive();
  // Asks the hook thread to install the hook again, for times Windows may
  // have dropped it unseen (the session unlocked, the machine resumed). There
  // the new hook is in place before the old one goes, and a failed
  // installation keeps the old one. The engine keeps its memory, so a
  // release still lets go of the key its press sent down. With no hook
  // thread (none could be made), it tries to start one.
  void ReinstallHook();

  // For the hook procedure, on every event.
  void NoteEvent() { sawEvent_.store(true, std::memory_order_relaxed); }
  remap::RemapEngine* Engine() const { return engine_; }
  win::HWND Window() const { return window_; }
  // The thread that serves the hook, 0 when none runs.
  win::DWORD HookThreadId() const { return thread_ ? thread_->Id() : 0; }

 private:
  void StartHookThread();
  // The hook thread's whole life: install, serve, remove.
  void ServeHook(std::promise<void>& started);
  void InstallAgain();

  // Set from HookMouseEvents to UnhookMouseEvents: the program wants a hook.
  // The window's thread sets them before the hook thread starts.
  remap::RemapEngine* engine_ = nullptr;
  win::HWND window_ = 0;
  // The window thread's.
  std::unique_ptr<platform::Thread> thread_;
  remap::HookWatchdog watchdog_;
  // The hook thread's: modHooking::hMouseHook is this object's hook and was
  // not removed by it (the system may have dropped it since).
  bool installed_ = false;
  // Shared: the hook saw an event since the watchdog's last look.
  std::atomic<bool> sawEvent_ = false;
};
