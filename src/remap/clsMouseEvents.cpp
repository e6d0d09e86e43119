#include "remap/clsMouseEvents.h"

#include <chrono>
#include <optional>
#include <utility>
#include <vector>

#include "platform/DebugLog.h"
#include "platform/Input.h"
#include "platform/Pointer.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "platform/Windowing.h"
#include "remap/modHooking.h"

namespace {

// What the window's thread posts to the hook thread.
constexpr win::UINT kInstallAgain = win::WM_APP + 2;
constexpr win::UINT kEndHook = win::WM_APP + 3;

// Hook objects whose thread did not end in time: it may still use them.
std::vector<std::shared_ptr<clsMouseEvents>> stuck;

std::optional<remap::HookWatchdog::Look> LookNow() {
  win::POINT cursor{};
  win::LASTINPUTINFO input{sizeof(win::LASTINPUTINFO), 0};
  if (!platform::Use<platform::Pointer>().GetCursorPos(&cursor) ||
      !platform::Use<platform::Input>().GetLastInputInfo(&input)) {
    return std::nullopt;
  }
  return remap::HookWatchdog::Look{cursor, input.dwTime};
}

win::HHOOK SetHook() {
  return platform::Use<platform::Input>().SetWindowsHookExA(
      win::WH_MOUSE_LL, &modHooking::MouseHookProc,
      platform::Use<platform::Process>().GetModuleHandleA(nullptr), 0);
}

}  // namespace

void clsMouseEvents::HookMouseEvents(remap::RemapEngine& engine, win::HWND window) {
  // A second hook would take over hMouseHook, and the first could then never
  // be removed.
  if (thread_ || (modHooking::objMouseEvents && modHooking::objMouseEvents->thread_)) return;
  if (auto self = weak_from_this().lock()) modHooking::objMouseEvents = std::move(self);
  engine_ = &engine;
  window_ = window;
  StartHookThread();
  sawEvent_ = false;
  watchdog_.Restart(LookNow());
}

void clsMouseEvents::StartHookThread() {
  const auto started = std::make_shared<std::promise<void>>();
  std::future<void> ready = started->get_future();
  thread_ =
      platform::Use<platform::Threads>().StartThread([this, started] { ServeHook(*started); });
  // Without a thread there is no hook; the watchdog tries again.
  if (!thread_) return;
  // Start-up ends with the hook in place, as the program has always had it.
  ready.wait_for(std::chrono::milliseconds(kStartWaitMilliseconds));
}

void clsMouseEvents::ServeHook(std::promise<void>& started) {
  auto& threads = platform::Use<platform::Threads>();
  // Before anyone may post to it.
  threads.MakeMessageQueue();
  modHooking::hMouseHook = SetHook();
  installed_ = modHooking::hMouseHook != 0;
  // The watchdog tries again at its next tick.
  if (!installed_) platform::DebugLine("the mouse hook was refused: the buttons are not remapped");
  started.set_value();
  // The hook is called from inside GetMessageA.
  win::ThreadMessage message{};
  while (threads.GetMessageA(&message) && message.message != kEndHook) {
    if (message.message == kInstallAgain) InstallAgain();
  }
  // The process is ending: a hook the system dropped already needs nothing.
  if (installed_) {
    (void)platform::Use<platform::Input>().UnhookWindowsHookEx(modHooking::hMouseHook);
  }
  installed_ = false;
}

void clsMouseEvents::InstallAgain() {
  // No event is served while this runs, so none can meet two hooks of ours
  // or a handle already removed.
  const win::HHOOK fresh = SetHook();
  // The old hook may still be there; without a new one it goes on working,
  // and the watchdog tries again.
  if (fresh == 0) return;
  // Fails when the system dropped it already.
  if (installed_) {
    (void)platform::Use<platform::Input>().UnhookWindowsHookEx(modHooking::hMouseHook);
  }
  modHooking::hMouseHook = fresh;
  installed_ = true;
}

void clsMouseEvents::UnhookMouseEvents() {
  if (thread_) {
    // A request that cannot be posted leaves the thread running: the join's
    // bound still ends the wait.
    (void)platform::Use<platform::Threads>().PostThreadMessageA(thread_->Id(), kEndHook, 0, 0);
    if (!thread_->Join(kEndWaitMilliseconds)) {
      // Stuck in a call: it may still use this object until the process ends.
      if (auto self = weak_from_this().lock()) stuck.push_back(std::move(self));
      modHooking::objMouseEvents.reset();
      return;
    }
    thread_.reset();
  }
  engine_ = nullptr;
  modHooking::objMouseEvents.reset();
}

void clsMouseEvents::KeepHookAlive() {
  if (engine_ == nullptr) return;
  if (watchdog_.MissedInput(LookNow(), sawEvent_.exchange(false))) ReinstallHook();
}

void clsMouseEvents::ReinstallHook() {
  if (engine_ == nullptr) return;
  if (thread_) {
    // One that cannot be posted is asked for again at the watchdog's next look.
    (void)platform::Use<platform::Threads>().PostThreadMessageA(thread_->Id(), kInstallAgain, 0, 0);
  } else {
    StartHookThread();
  }
  // Input that slips past before the hook thread gets to it shows at a later
  // look: one more installation.
  sawEvent_ = false;
  watchdog_.Restart(LookNow());
}
