#include "platform/win32/Win32Foreground.h"

#include <cstddef>

#include <windows.h>

#include "platform/win32/Win32Ownership.h"

namespace win32 {
namespace {

static_assert(sizeof(win::MONITORINFO) == sizeof(::MONITORINFO));
static_assert(offsetof(win::MONITORINFO, rcMonitor) == offsetof(::MONITORINFO, rcMonitor));
static_assert(offsetof(win::MONITORINFO, rcWork) == offsetof(::MONITORINFO, rcWork));
static_assert(sizeof(win::RECT) == sizeof(::RECT));
static_assert(win::SM_XVIRTUALSCREEN == SM_XVIRTUALSCREEN &&
              win::SM_CYVIRTUALSCREEN == SM_CYVIRTUALSCREEN);
static_assert(win::MONITOR_DEFAULTTONEAREST == MONITOR_DEFAULTTONEAREST);

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
  switch (index) {
    case win::SM_XVIRTUALSCREEN:
    case win::SM_YVIRTUALSCREEN:
    case win::SM_CXVIRTUALSCREEN:
    case win::SM_CYVIRTUALSCREEN:
      return ::GetSystemMetrics(index);
    default:
      return 0;
  }
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
