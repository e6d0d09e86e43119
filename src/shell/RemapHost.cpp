#include "shell/RemapHost.h"

#include <memory>

#include "platform/Services.h"
#include "platform/Session.h"
#include "remap/clsMouseEvents.h"
#include "remap/modHooking.h"

RemapHost::RemapHost(toolkit::Form& form, remap::RemapEngine& engine)
    : form_(form), engine_(engine) {
  // The hook hands program starts to the message loop.
  form_.OnMessage(modHooking::WM_LAUNCHPROGRAM, [this](win::WPARAM program, win::LPARAM) {
    modHooking::LaunchProgram(form_.hWnd(), program);
    return win::LRESULT{0};
  });
  // Windows may drop the hook unseen while the screen is locked or the
  // machine sleeps: have the hook thread put it back when the user returns.
  form_.OnMessage(win::WM_WTSSESSION_CHANGE, [](win::WPARAM change, win::LPARAM) {
    if (change == win::WTS_SESSION_UNLOCK && modHooking::objMouseEvents) {
      modHooking::objMouseEvents->ReinstallHook();
    }
    return win::LRESULT{0};
  });
  form_.OnMessage(win::WM_POWERBROADCAST, [](win::WPARAM event, win::LPARAM) {
    if (event == win::PBT_APMRESUMEAUTOMATIC && modHooking::objMouseEvents) {
      modHooking::objMouseEvents->ReinstallHook();
    }
    return win::LRESULT{win::TRUE};
  });
}

RemapHost::~RemapHost() {
  // The hook decides with this window's engine: it goes with them.
  if (modHooking::objMouseEvents && modHooking::objMouseEvents->Engine() == &engine_) {
    modHooking::objMouseEvents->UnhookMouseEvents();
  }
  if (sessionNotified_) {
    // The window goes next, and its registration with it.
    (void)platform::Use<platform::Session>().WTSUnRegisterSessionNotification(form_.hWnd());
  }
}

void RemapHost::Start() {
  // The hook object makes itself objMouseEvents and installs the hook on a
  // thread of its own.
  std::make_shared<clsMouseEvents>()->HookMouseEvents(engine_, form_.hWnd());
  sessionNotified_ = platform::Use<platform::Session>().WTSRegisterSessionNotification(
                         form_.hWnd(), win::NOTIFY_FOR_THIS_SESSION) != win::FALSE;
}

void RemapHost::KeepAlive() {
  if (modHooking::objMouseEvents) modHooking::objMouseEvents->KeepHookAlive();
}

void RemapHost::End() {
  if (modHooking::objMouseEvents) modHooking::objMouseEvents->UnhookMouseEvents();
  modHooking::objMouseEvents.reset();
}
