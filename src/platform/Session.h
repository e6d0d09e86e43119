// The sign-in session's changes as a window hears of them: locked and
// unlocked (wtsapi32, after registering the window), and the machine's sleep
// and resume (sent to every top-level window).
#pragma once

#include "platform/WinTypes.h"

namespace win {

constexpr UINT WM_POWERBROADCAST = 0x0218;
constexpr UINT WM_WTSSESSION_CHANGE = 0x02B1;

// WM_WTSSESSION_CHANGE's wParam.
constexpr WPARAM WTS_SESSION_LOCK = 0x7;
constexpr WPARAM WTS_SESSION_UNLOCK = 0x8;

// WM_POWERBROADCAST's wParam: the machine woke up, whoever woke it.
constexpr WPARAM PBT_APMRESUMEAUTOMATIC = 0x12;

// WTSRegisterSessionNotification's scope.
constexpr DWORD NOTIFY_FOR_THIS_SESSION = 0;

}  // namespace win

namespace platform {

class Session {
 public:
  virtual ~Session() = default;
  // From now on the window receives WM_WTSSESSION_CHANGE. Unregister before
  // the window is destroyed.
  [[nodiscard]] virtual win::BOOL WTSRegisterSessionNotification(win::HWND window,
                                                                 win::DWORD flags) = 0;
  [[nodiscard]] virtual win::BOOL WTSUnRegisterSessionNotification(win::HWND window) = 0;
};

}  // namespace platform
