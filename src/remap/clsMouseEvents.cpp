#include "remap/clsMouseEvents.h"

#include <optional>
#include <utility>

#include "platform/DebugLog.h"
#include "platform/Input.h"
#include "platform/Pointer.h"
#include "platform/Process.h"
#include "platform/Services.h"
#include "remap/modHooking.h"

namespace {

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
  if (installed_ || (modHooking::objMouseEvents && modHooking::objMouseEvents->installed_)) return;
  if (auto self = weak_from_this().lock()) modHooking::objMouseEvents = std::move(self);
  engine_ = &engine;
  window_ = window;
  modHooking::hMouseHook = SetHook();
  installed_ = modHooking::hMouseHook != 0;
  // The watchdog tries again at its next tick.
  if (!installed_) platform::DebugLine("the mouse hook was refused: the buttons are not remapped");
  sawEvent_ = false;
  watchdog_.Restart(LookNow());
}

void clsMouseEvents::UnhookMouseEvents() {
  platform::Use<platform::Input>().UnhookWindowsHookEx(modHooking::hMouseHook);
  installed_ = false;
  engine_ = nullptr;
  modHooking::objMouseEvents.reset();
}

void clsMouseEvents::KeepHookAlive() {
  if (engine_ == nullptr) return;
  if (watchdog_.MissedInput(LookNow(), std::exchange(sawEvent_, false))) ReinstallHook();
}

void clsMouseEvents::ReinstallHook() {
  if (engine_ == nullptr) return;
  const win::HHOOK fresh = SetHook();
  // The old hook may still be there; without a new one it goes on working,
  // and the watchdog tries again.
  if (fresh == 0) return;
  // Fails when the system dropped it already.
  if (installed_) platform::Use<platform::Input>().UnhookWindowsHookEx(modHooking::hMouseHook);
  modHooking::hMouseHook = fresh;
  installed_ = true;
  sawEvent_ = false;
  watchdog_.Restart(LookNow());
}
