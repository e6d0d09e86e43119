// The session's notifications: which windows asked for them. Tests lock and
// unlock the session by sending the registered windows WM_WTSSESSION_CHANGE.
#pragma once

#include <set>

#include "platform/Session.h"

namespace sim {

class SimSession final : public platform::Session {
 public:
  win::BOOL WTSRegisterSessionNotification(win::HWND window, win::DWORD flags) override {
    if (window == 0 || flags != win::NOTIFY_FOR_THIS_SESSION) return win::FALSE;
    registered.insert(window);
    return win::TRUE;
  }
  win::BOOL WTSUnRegisterSessionNotification(win::HWND window) override {
    return registered.erase(window) != 0 ? win::TRUE : win::FALSE;
  }

  std::set<win::HWND> registered;
};

}  // namespace sim
