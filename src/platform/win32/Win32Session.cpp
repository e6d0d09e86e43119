#include "platform/win32/Win32Session.h"

namespace {
// Read before <windows.h> defines macros of the same names.
constexpr auto kPortableSessionChange = win::WM_WTSSESSION_CHANGE;
constexpr auto kPortableUnlock = win::WTS_SESSION_UNLOCK;
constexpr auto kPortablePowerBroadcast = win::WM_POWERBROADCAST;
constexpr auto kPortableResume = win::PBT_APMRESUMEAUTOMATIC;
constexpr auto kPortableThisSession = win::NOTIFY_FOR_THIS_SESSION;
}  // namespace

#include <windows.h>
// wtsapi32.h builds on windows.h.
#include <wtsapi32.h>

namespace win32 {

static_assert(kPortableSessionChange == WM_WTSSESSION_CHANGE);
static_assert(kPortableUnlock == WTS_SESSION_UNLOCK);
static_assert(kPortablePowerBroadcast == WM_POWERBROADCAST);
static_assert(kPortableResume == PBT_APMRESUMEAUTOMATIC);
static_assert(kPortableThisSession == NOTIFY_FOR_THIS_SESSION);

win::BOOL Win32Session::WTSRegisterSessionNotification(win::HWND window, win::DWORD flags) {
  return ::WTSRegisterSessionNotification(reinterpret_cast<HWND>(window), flags);
}

win::BOOL Win32Session::WTSUnRegisterSessionNotification(win::HWND window) {
  return ::WTSUnRegisterSessionNotification(reinterpret_cast<HWND>(window));
}

}  // namespace win32
