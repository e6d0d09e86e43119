#include "platform/win32/Win32Foreground.h"

#include <cstddef>

#include "platform/Ownership.h"

namespace {
// Read before <windows.h> defines macros of the same names.
constexpr int kPortableXVirtualScreen = win::SM_XVIRTUALSCREEN;
constexpr int kPortableCyVirtualScreen = win::SM_CYVIRTUALSCREEN;
constexpr win::DWORD kPortableNearest = win::MONITOR_DEFAULTTONEAREST;
constexpr win::DWORD kPortableHighLevel = win::SECURITY_MANDATORY_HIGH_RID;
}  // namespace

#include <windows.h>

#include "platform/win32/Win32Ownership.h"

namespace win32 {
namespace {

static_assert(sizeof(win::MONITORINFO) == sizeof(::MONITORINFO));
static_assert(offsetof(win::MONITORINFO, rcMonitor) == offsetof(::MONITORINFO, rcMonitor));
static_assert(offsetof(win::MONITORINFO, rcWork) == offsetof(::MONITORINFO, rcWork));
static_assert(sizeof(win::RECT) == sizeof(::RECT));
static_assert(kPortableXVirtualScreen == SM_XVIRTUALSCREEN &&
              kPortableCyVirtualScreen == SM_CYVIRTUALSCREEN);
static_assert(kPortableNearest == MONITOR_DEFAULTTONEAREST);
static_assert(kPortableHighLevel == SECURITY_MANDATORY_HIGH_RID);

HWND Native(win::HWND window) { return reinterpret_cast<HWND>(window); }

}  // namespace

win::HWND Win32Foreground::GetForegroundWindow() {
  return reinterpret_cast<win::HWND>(::GetForegroundWindow());
}

win::HWND Win32Foreground::GetShellWindow() {
  return reinterpret_cast<win::HWND>(::GetShellWindow());
}

std::string Win32Foreground::GetClassNameA(win::HWND window) {
  char name[256];
  const int length = ::GetClassNameA(Native(window), name, sizeof name);
  return length > 0 ? std::string(name, static_cast<std::size_t>(length)) : std::string();
}

win::BOOL Win32Foreground::IsZoomed(win::HWND window) { return ::IsZoomed(Native(window)); }

win::BOOL Win32Foreground::GetWindowRect(win::HWND window, win::RECT* rect) {
  return ::GetWindowRect(Native(window), reinterpret_cast<::RECT*>(rect));
}

win::HMONITOR Win32Foreground::MonitorFromWindow(win::HWND window, win::DWORD flags) {
  return reinterpret_cast<win::HMONITOR>(::MonitorFromWindow(Native(window), flags));
}

win::BOOL Win32Foreground::GetMonitorInfoA(win::HMONITOR monitor, win::MONITORINFO* info) {
  return ::GetMonitorInfoA(reinterpret_cast<HMONITOR>(monitor),
                           reinterpret_cast<::MONITORINFO*>(info));
}

win::BOOL Win32Foreground::GetClipCursor(win::RECT* rect) {
  return ::GetClipCursor(reinterpret_cast<::RECT*>(rect));
}

int Win32Foreground::GetSystemMetrics(int index) {
  // The four virtual-screen metrics are consecutive.
  if (index < kPortableXVirtualScreen || index > kPortableCyVirtualScreen) return 0;
  return ::GetSystemMetrics(index);
}

win::DWORD Win32Foreground::GetWindowProcessId(win::HWND window) {
  DWORD process = 0;
  if (::GetWindowThreadProcessId(Native(window), &process) == 0) return 0;
  return process;
}

win::DWORD Win32Foreground::GetCurrentProcessId() { return ::GetCurrentProcessId(); }

std::optional<win::DWORD> Win32Foreground::ProcessIntegrityLevel(win::DWORD processId) {
  // The limited right is what a process of a lower level may still ask of a
  // higher one; protected processes refuse even that.
  const UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
  if (!process) return std::nullopt;
  HANDLE rawToken = nullptr;
  if (!::OpenProcessToken(process.get(), TOKEN_QUERY, &rawToken)) return std::nullopt;
  const UniqueHandle token(rawToken);
  // A label is a SID_AND_ATTRIBUTES and the SID right behind it.
  alignas(TOKEN_MANDATORY_LABEL) unsigned char
      buffer[sizeof(TOKEN_MANDATORY_LABEL) + SECURITY_MAX_SID_SIZE];
  DWORD size = 0;
  if (!::GetTokenInformation(token.get(), TokenIntegrityLevel, buffer, sizeof buffer, &size)) {
    return std::nullopt;
  }
  const PSID sid = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer)->Label.Sid;
  const UCHAR count = *::GetSidSubAuthorityCount(sid);
  if (count == 0) return std::nullopt;
  return *::GetSidSubAuthority(sid, count - 1U);
}

}  // namespace win32
