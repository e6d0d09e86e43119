#include "remap/clsMouseEvents.h"

#include "platform/Process.h"
#include "platform/Services.h"
#include "remap/modHooking.h"

void clsMouseEvents::HookMouseEvents(toolkit::Form& /*form*/) {
  // A second hook would take over hMouseHook, and the first could then never
  // be removed.
  if (modHooking::HookInstalled) return;
  if (auto self = weak_from_this().lock()) modHooking::objMouseEvents = std::move(self);
  modHooking::Buttons = {};
  modHooking::hMouseHook = platform::Use<platform::Input>().SetWindowsHookExA(
      win::WH_MOUSE_LL, &modHooking::MouseHookProc,
      platform::Use<platform::Process>().GetModuleHandleA(nullptr), 0);
  modHooking::HookInstalled = modHooking::hMouseHook != 0;
}

void clsMouseEvents::UnhookMouseEvents() {
  platform::Use<platform::Input>().UnhookWindowsHookEx(modHooking::hMouseHook);
  modHooking::HookInstalled = false;
  modHooking::objMouseEvents.reset();
}
