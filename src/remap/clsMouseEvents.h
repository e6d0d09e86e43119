// The owner of the process's one low-level mouse hook: it installs and
// removes it, keeps it alive when Windows drops it, and gives the hook
// procedure what it decides with.
#pragma once

#include <memory>

#include "platform/WinTypes.h"
#include "remap/HookWatchdog.h"
#include "remap/RemapEngine.h"

class clsMouseEvents : public std::enable_shared_from_this<clsMouseEvents> {
 public:
  // Installs modHooking::MouseHookProc for the whole desktop, deciding with
  // engine (which must outlive the hook) and handing program starts to
  // window, and makes this object modHooking::objMouseEvents. Ignored while a
  // hook of the process is installed.
  void HookMouseEvents(remap::RemapEngine& engine, win::HWND window);
  // Removes the current hook and empties modHooking::objMouseEvents, which
  // may end this object: nothing of it is used after that.
  void UnhookMouseEvents();

  // The watchdog, on each tick of the main window's timer: installs the hook
  // again when the system delivered mouse input past it (or installation
  // failed before).
  void KeepHookAlive();
  // Installs the hook again, for times Windows may have dropped it unseen
  // (the session unlocked, the machine resumed). The new hook is in place
  // before the old one goes, and a failed installation keeps the old one.
  // The engine keeps its memory, so a release still lets go of the key its
  // press sent down.
  void ReinstallHook();

  // For the hook procedure, on every event.
  void NoteEvent() { sawEvent_ = true; }
  remap::RemapEngine* Engine() const { return engine_; }
  win::HWND Window() const { return window_; }

 private:
  // Set from HookMouseEvents to UnhookMouseEvents: the program wants a hook.
  remap::RemapEngine* engine_ = nullptr;
  win::HWND window_ = 0;
  // modHooking::hMouseHook is this object's hook and was not removed by it
  // (the system may have dropped it since).
  bool installed_ = false;
  bool sawEvent_ = false;
  remap::HookWatchdog watchdog_;
};
